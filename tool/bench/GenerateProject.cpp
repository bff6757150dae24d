// Writes a synthetic MPLAB project file for scripts/bench, shaped like the
// real ones: CR LF line ends, the usual sections, a "dir_inc=" line with 200
// include paths and a tool-settings line whose "D1=" value holds 500
// definitions. The same arguments always give the same bytes.
//
//   GenerateProject <file.mcp> files <count> <folders> [<dir_src bytes>]
//     (with a "dir_src=" value of about that size, which every file's
//     relative path is joined to)
//   GenerateProject <file.mcp> long-include <bytes>
//   GenerateProject <file.mcp> long-relative-include <bytes>
//     (folders relative to the project, each joined to its folder)
//   GenerateProject <file.mcp> long-defines <bytes>
//   GenerateProject <file.mcp> switches <files> <definitions>
//     (every file a C source, the definitions as -D switches: with "-sw"
//     and "-cdb", a database far larger than the project)

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

class ProjectText {
public:
  explicit ProjectText(const char* path) : file(std::fopen(path, "wb")) {
    if (file == nullptr) {
      std::perror(path);
      std::exit(1);
    }
  }
  ~ProjectText() {
    flush();
    if (std::fclose(file) != 0)
      std::exit(1);
  }
  void line(const std::string& text) {
    buffer += text;
    buffer += "\r\n";
    if (buffer.size() > (1u << 20))
      flush();
  }
  void flush() {
    if (std::fwrite(buffer.data(), 1, buffer.size(), file) != buffer.size())
      std::exit(1);
    buffer.clear();
  }

private:
  std::FILE* file;
  std::string buffer;
};

std::string padded(std::uint64_t number, int width) {
  std::string digits = std::to_string(number);
  if (static_cast<int>(digits.size()) < width)
    digits.insert(0, width - digits.size(), '0');
  return digits;
}

std::string fileKey(std::uint64_t index) {
  return "file_" + padded(index, 3);
}

std::string folderName(std::uint64_t index) {
  return "module_" + padded(index, 2);
}

std::string includeValue(int count) {
  std::string value;
  for (int i = 0; i < count; ++i) {
    if (i > 0)
      value += ';';
    if (i % 4 == 0)
      value += "C:\\Program Files\\Microchip\\MPLAB C30\\support\\inc" + padded(i, 3);
    else
      value += "..\\..\\Microchip\\Include\\part" + padded(i, 3);
  }
  return value;
}

std::string definitionsValue(int count) {
  std::string value;
  for (int i = 0; i < count; ++i) {
    if (i > 0)
      value += ',';
    value += "CFG_OPTION_" + padded(i, 3);
    if (i % 3 == 1)
      value += "=" + std::to_string(i * 7);
    else if (i % 3 == 2)
      value += "=%22text" + padded(i, 3) + "%22";
  }
  return value;
}

void writeHeader(ProjectText& out, const std::string& includes,
                 const std::string& sourceDir = "") {
  out.line("[HEADER]");
  out.line("magic_cookie={66E99B07-E706-4689-9E80-9B2582898A13}");
  out.line("file_version=1.0");
  out.line("device=PIC24FJ256GB110");
  out.line("[PATH_INFO]");
  out.line("BuildDirPolicy=BuildDirIsProjectDir");
  out.line("dir_src=" + sourceDir);
  out.line("dir_bin=.\\output");
  out.line("dir_tmp=.\\work");
  out.line("dir_sin=");
  out.line("dir_inc=" + includes);
  out.line("dir_lib=C:\\Program Files\\Microchip\\MPLAB C30\\lib");
  out.line("dir_lkr=");
  out.line("[CAT_FILTERS]");
  out.line("filter_src=*.s;*.c");
  out.line("filter_inc=*.h;*.inc");
  out.line("filter_obj=*.o");
  out.line("filter_lib=*.a");
  out.line("filter_lkr=*.gld");
}

void writeToolSettings(ProjectText& out, const std::string& definitions) {
  out.line("[SUITE_INFO]");
  out.line("suite_guid={479DDE59-4D56-455E-855E-FFF59A3DB57E}");
  out.line("suite_state=");
  out.line("[TOOL_SETTINGS]");
  out.line("TS{7D9C6ECE-785D-44CB-BA22-17BF2E119622}=-g");
  out.line("TS{25AC22BD-2378-4FDB-BFB6-7345A15512D3}=-g -Wall D1=" + definitions +
           " -mlarge-code -O1");
  out.line("TS{7DAC9A1D-4C45-45D6-B25A-D117C74E8F5A}=-Map=\"$(BINDIR_)$(TARGETBASE).map\"");
  out.line("[INSTRUMENTED_TRACE]");
  out.line("enable=0");
}

// About one file in ten stays in the project's top level ("."), the rest
// are spread over the folders; one in ten has an extension the bench filters
// out.
void writeFileProject(const char* path, std::uint64_t files, std::uint64_t folders,
                      std::uint64_t sourceDirBytes) {
  std::mt19937 random(20240611u);
  ProjectText out(path);
  std::string sourceDir;
  for (std::uint64_t i = 0; sourceDir.size() < sourceDirBytes; ++i)
    sourceDir += (i ? "\\" : "C:\\work\\") + std::string("generated_") + padded(i, 4);
  writeHeader(out, includeValue(200), sourceDir);

  std::string names;
  for (std::uint64_t i = 0; i < folders; ++i)
    names += (i ? ";" : "") + folderName(i);
  out.line("[CAT_SUBFOLDERS]");
  out.line("subfolder_src=" + names);
  out.line("subfolder_inc=");
  out.line("subfolder_obj=");

  // The folder of each file, drawn once so both sections agree.
  std::vector<std::uint32_t> folderIndex(files);
  for (std::uint64_t i = 0; i < files; ++i)
    folderIndex[i] = static_cast<std::uint32_t>(random() % (folders + folders / 9 + 1));

  out.line("[FILE_SUBFOLDERS]");
  for (std::uint64_t i = 0; i < files; ++i) {
    const std::uint32_t f = folderIndex[i];
    out.line(fileKey(i) + "=" + (f < folders ? folderName(f) : std::string(".")));
  }
  out.line("[GENERATED_FILES]");
  out.line("type=4");
  out.line("[OTHER_FILES]");
  for (std::uint64_t i = 0; i < files; ++i)
    out.line(fileKey(i) + "=no");
  out.line("[FILE_INFO]");
  static const char* const extensions[] = {"c", "c", "c", "h", "h", "s", "c", "h", "txt", "c"};
  for (std::uint64_t i = 0; i < files; ++i) {
    const std::uint32_t f = folderIndex[i];
    const std::string folder = f < folders ? folderName(f) : std::string("common");
    out.line(fileKey(i) + "=..\\source\\" + folder + "\\unit_" + padded(i, 7) + "." +
             extensions[random() % 10]);
  }
  writeToolSettings(out, definitionsValue(500));
}

enum class LongValue { Includes, RelativeIncludes, Definitions };

// A value of about `bytes` whose items are wrapped in "&quot;".
std::string longValue(std::uint64_t bytes, char separator, LongValue kind) {
  std::string value;
  value.reserve(bytes + 128);
  std::uint64_t i = 0;
  while (value.size() < bytes) {
    if (i > 0)
      value += separator;
    if (kind == LongValue::Definitions)
      value += "MACRO_" + padded(i, 7) + "=&quot;C:\\Tools\\bin\\value_" + padded(i, 7) + "&quot;";
    else if (kind == LongValue::RelativeIncludes)
      value += "&quot;..\\include\\part_" + padded(i, 7) + "&quot;";
    else
      value += "&quot;C:\\Program Files\\Vendor\\include\\part_" + padded(i, 7) + "&quot;";
    ++i;
  }
  return value;
}

void writeLongProject(const char* path, std::uint64_t bytes, LongValue kind) {
  const bool definitions = kind == LongValue::Definitions;
  ProjectText out(path);
  writeHeader(out, definitions ? includeValue(200) : longValue(bytes, ';', kind));
  out.line("[CAT_SUBFOLDERS]");
  out.line("subfolder_src=module_00");
  out.line("[FILE_SUBFOLDERS]");
  out.line("file_000=module_00");
  out.line("[FILE_INFO]");
  out.line("file_000=..\\source\\module_00\\unit_0000000.c");
  writeToolSettings(out, definitions ? longValue(bytes, ',', kind) : definitionsValue(500));
}

void writeSwitchesProject(const char* path, std::uint64_t files, std::uint64_t definitions) {
  ProjectText out(path);
  // No include folder: those of writeHeader name a drive, which a Linux
  // database leaves out with a warning.
  writeHeader(out, "");
  out.line("[CAT_SUBFOLDERS]");
  out.line("subfolder_src=module_00");
  out.line("[FILE_SUBFOLDERS]");
  for (std::uint64_t i = 0; i < files; ++i)
    out.line(fileKey(i) + "=module_00");
  // A section run ends at the first other line, which is not read again.
  out.line("[GENERATED_FILES]");
  out.line("type=4");
  out.line("[FILE_INFO]");
  for (std::uint64_t i = 0; i < files; ++i)
    out.line(fileKey(i) + "=..\\source\\unit_" + padded(i, 7) + ".c");
  std::string switches = "-g";
  for (std::uint64_t i = 0; i < definitions; ++i)
    switches += " -DOPT_" + padded(i, 5) + "=" + std::to_string(i);
  out.line("[SUITE_INFO]");
  out.line("suite_state=");
  out.line("[TOOL_SETTINGS]");
  out.line("TS{25AC22BD-2378-4FDB-BFB6-7345A15512D3}=" + switches + " -O1");
}

}  // namespace

int main(int argc, char** argv) {
  const std::string shape = argc > 2 ? argv[2] : "";
  if (shape == "files" && (argc == 5 || argc == 6)) {
    writeFileProject(argv[1], std::strtoull(argv[3], nullptr, 10),
                     std::strtoull(argv[4], nullptr, 10),
                     argc == 6 ? std::strtoull(argv[5], nullptr, 10) : 0);
    return 0;
  }
  if (shape == "switches" && argc == 5) {
    writeSwitchesProject(argv[1], std::strtoull(argv[3], nullptr, 10),
                         std::strtoull(argv[4], nullptr, 10));
    return 0;
  }
  const LongValue kind = shape == "long-defines"            ? LongValue::Definitions
                         : shape == "long-relative-include" ? LongValue::RelativeIncludes
                                                            : LongValue::Includes;
  if ((shape == "long-include" || shape == "long-relative-include" ||
       shape == "long-defines") &&
      argc == 4) {
    writeLongProject(argv[1], std::strtoull(argv[3], nullptr, 10), kind);
    return 0;
  }
  std::fprintf(stderr,
               "usage: GenerateProject <file.mcp> files <count> <folders> [<dir_src bytes>]\n"
               "       GenerateProject <file.mcp> long-include|long-relative-include|long-defines <bytes>\n"
               "       GenerateProject <file.mcp> switches <files> <definitions>\n");
  return 2;
}
