#include "mplabx/MplabXProjectReader.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "text/CommandWords.h"
#include "io/Console.h"
#include "io/Errors.h"
#include "settings/ExtensionList.h"
#include "model/FileFlags.h"
#include "mplabx/MplabXToolchains.h"
#include "mplabx/MplabXValues.h"
#include "model/ProjectModel.h"
#include "model/ProjectWarnings.h"
#include "settings/ConversionSettings.h"
#include "text/TextOps.h"
#include "platform/Platform.h"

namespace {

const char Utf8Bom[] = "\xEF\xBB\xBF";

// Deeper logical folders than any project uses; each level is a folder
// level of the Tarn project too.
const std::size_t MaxFolderDepth = 100;
// Longer than any path Windows (32,767) or Linux can make: a chain of
// folder names beyond it could never be created.
const std::size_t MaxFolderChain = 32767;

// A control character other than TAB in a value would reach the Tarn
// project, a personality or the console as a line of its own choosing.
void refuseControlCharacters(const char* value, const std::string& what,
                             const std::string& file) {
  for (const char* c = value; *c != '\0'; ++c) {
    if (isControlCharacter(*c))
      throw AsciiReaderError(AsciiReaderError::NotConvertible, file,
                             file + ": " + what + " \"" + value +
                                 "\" holds a control character, which no path, macro or "
                                 "name of a project may hold: not converted");
  }
}

// Raises AsciiReaderError CannotOpen or ReadFailed, with the host's reason.
void readWholeFile(const std::string& path, std::string& bytes) {
  std::FILE* file = platform::openForReading(path);
  if (file == nullptr)
    throw AsciiReaderError(AsciiReaderError::CannotOpen, path, platform::lastFailure());
  char block[64 * 1024];
  std::size_t count;
  while ((count = std::fread(block, 1, sizeof block, file)) > 0)
    bytes.append(block, count);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed)
    throw AsciiReaderError(AsciiReaderError::ReadFailed, path, platform::lastFailure());
}

bool holdsConflictMarkers(const std::string& bytes) {
  return bytes.compare(0, 8, "<<<<<<< ") == 0 || contains(bytes, "\n<<<<<<< ");
}

[[noreturn]] void refuse(const std::string& file, const std::string& reason) {
  throw AsciiReaderError(AsciiReaderError::NotConvertible, file, reason);
}

// configurations.xml parsed whole. Raises AsciiReaderError.
void loadDocument(const std::string& file, pugi::xml_document& document) {
  std::string bytes;
  readWholeFile(file, bytes);
  if (bytes.compare(0, 3, Utf8Bom) == 0)
    bytes.erase(0, 3);
  if (holdsConflictMarkers(bytes))
    refuse(file, file + " holds merge-conflict markers (\"<<<<<<<\"): resolve the conflict, "
                        "then convert again");
  const pugi::xml_parse_result parsed =
      document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_utf8);
  if (parsed.status == pugi::status_out_of_memory)
    throw AsciiReaderError(AsciiReaderError::OutOfMemory, file, OutOfMemoryReason);
  if (!parsed)
    refuse(file, file + " is not well-formed XML (" + parsed.description() + " at byte " +
                     std::to_string(parsed.offset) + "): not an MPLAB X project");
}

std::string nameList(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names)
    text += (text.empty() ? "" : ", ") + name;
  return text;
}

// A property's value; an absent key counts as empty.
std::string property(pugi::xml_node section, const char* key, const std::string& file) {
  if (key == nullptr)
    return std::string();
  for (pugi::xml_node node : section.children("property")) {
    if (std::strcmp(node.attribute("key").value(), key) == 0) {
      const char* value = node.attribute("value").value();
      refuseControlCharacters(value, std::string("the property ") + key, file);
      return value;
    }
  }
  return std::string();
}

pugi::xml_node sectionOf(pugi::xml_node owner, const char* name, const char* olderName) {
  if (name == nullptr)
    return pugi::xml_node();
  const pugi::xml_node section = owner.child(name);
  if (section || olderName == nullptr)
    return section;
  return owner.child(olderName);
}

bool isTrue(pugi::xml_attribute attribute) {
  return std::strcmp(attribute.value(), "true") == 0;
}

}  // namespace

MplabXProjectReader::MplabXProjectReader(const ConversionSettings& settings,
                                         const MplabXSource& source, ProjectModel& model)
    : settings(settings),
      source(source),
      root(*model.rootGroup),
      rules(model.rules),
      flagTable(rules.fileFlags),
      sections(nullptr),
      separateCpp(false) {
  for (const std::string& extension : settings.extensions)
    upperExtensions.push_back(toUpperAscii(extension));
}

void MplabXProjectReader::read() {
  pugi::xml_document document;
  load(document);
  const pugi::xml_node descriptor = document.child("configurationDescriptor");
  if (!descriptor)
    stop(source.configurations + " has no configurationDescriptor: not an MPLAB X project");
  const pugi::xml_node conf = chooseConfiguration(descriptor.child("confs"));
  readExclusions(conf);
  readFolder(descriptor.child("logicalFolder"), root, 0, 0);
  flagTable.markUsed();
  flagTable.directory = source.projectFolder;
  readSettings(conf);
}

void MplabXProjectReader::stop(const std::string& reason) const {
  throw AsciiReaderError(AsciiReaderError::NotConvertible, source.configurations, reason);
}

void MplabXProjectReader::load(pugi::xml_document& document) {
  loadDocument(source.configurations, document);
}

pugi::xml_node MplabXProjectReader::chooseConfiguration(pugi::xml_node confs) const {
  std::vector<std::string> names;
  pugi::xml_node chosen;
  const std::string& wanted = settings.configuration;
  for (pugi::xml_node conf : confs.children("conf")) {
    names.emplace_back(value(conf.attribute("name"), "the configuration name"));
    if (!chosen && (wanted.empty() || names.back() == wanted))
      chosen = conf;
  }
  if (names.empty())
    stop(source.configurations + " has no configuration (no <conf> in <confs>)");
  if (!chosen)
    stop("no configuration " + wanted + " in " + source.configurations + "; it has: " +
         nameList(names));
  if (wanted.empty() && names.size() > 1) {
    names.erase(names.begin());
    warn(source.configurations + " has several configurations; converted " +
         chosen.attribute("name").value() + ", not " + nameList(names) +
         " (\"-conf NAME\" picks one)");
  }
  return chosen;
}

void MplabXProjectReader::readExclusions(pugi::xml_node conf) {
  for (pugi::xml_node item : conf.children("item")) {
    if (isTrue(item.attribute("ex")))
      excluded.insert(value(item.attribute("path"), "the item path"));
  }
}

// True when the folder's subtree kept a file. Files directly in a folder
// the IDE does not build (projectFiles="false") are left out; its nested
// folders carry their own flag.
// `depth` and `chain` (the length of the names above) are bounded, so the
// walk, the tree and every path made from it stay small.
bool MplabXProjectReader::readFolder(pugi::xml_node folder, ProjectGroup& group,
                                     std::size_t depth, std::size_t chain) {
  if (depth > MaxFolderDepth)
    stop(source.configurations + " nests logical folders more than " +
         std::to_string(MaxFolderDepth) + " deep: not converted");
  if (chain > MaxFolderChain)
    stop(source.configurations + " nests logical folders whose names add up to more than " +
         std::to_string(MaxFolderChain) + " characters, a path no host can make: not converted");
  const bool builds = std::strcmp(folder.attribute("projectFiles").value(), "false") != 0;
  const std::size_t filesBefore = group.files.size();
  bool kept = false;
  for (pugi::xml_node child : folder.children()) {
    if (builds && std::strcmp(child.name(), "itemPath") == 0) {
      readItem(value(child.text(), "the item path"), group);
    } else if (std::strcmp(child.name(), "logicalFolder") == 0) {
      std::string name = value(child.attribute("displayName"), "the folder name");
      if (name.empty())
        name = value(child.attribute("name"), "the folder name");
      auto sub = std::make_unique<ProjectGroup>(name);
      if (readFolder(child, *sub, depth + 1, chain + name.size() + 1)) {
        group.children.push_back(std::move(sub));
        kept = true;
      }
    }
  }
  return kept || group.files.size() > filesBefore;
}

void MplabXProjectReader::readItem(const std::string& itemPath, ProjectGroup& group) {
  // The project's own top makefile is listed, but never a source.
  if (lastPathPart(itemPath) == "Makefile" || excluded.count(itemPath) > 0)
    return;
  ++findings.listedFiles;
  if (!extensionAccepted(itemPath, upperExtensions))
    return;
  ++findings.acceptedFiles;
  group.files.add(projectPath(itemPath, source.projectFolder));
}

void MplabXProjectReader::readSettings(pugi::xml_node conf) {
  const pugi::xml_node tools = conf.child("toolsSet");
  const std::string toolchain = value(tools.child("languageToolchain").text(), "the toolchain");
  const std::string confName = value(conf.attribute("name"), "the configuration name");
  sections = compilerSections(toolchain);
  rules.compiler = toolchainCompiler(toolchain);
  rules.device = value(tools.child("targetDevice").text(), "the device");
  const pugi::xml_node cSection =
      sections ? sectionOf(conf, sections->cSection, sections->olderCSection) : pugi::xml_node();
  if (!cSection) {
    warn("configuration " + confName + " of " + source.configurations +
         " has no C compiler section (toolchain \"" + toolchain +
         "\"): no include folders or macros were read");
    return;
  }
  const pugi::xml_node global =
      sectionOf(conf, sections->globalSection, sections->olderGlobalSection);
  flagTable.cFlags = sectionFlags(cSection, global);
  const pugi::xml_node cppSection = sectionOf(conf, sections->cppSection, nullptr);
  flagTable.cppFlags = cppSection ? sectionFlags(cppSection, global) : flagTable.cFlags;
  separateCpp = static_cast<bool>(cppSection);
  fillRootGroup(flagTable.cFlags);
  if (!listSegments(property(cSection, sections->undefinesKey, source.configurations)).empty())
    warn("configuration " + confName + " of " + source.configurations +
         " undefines macros (\"" + sections->undefinesKey + "\"); they were not carried over");
  readAdditionalOptions(global, true);
  readAdditionalOptions(cSection, false);
  readOverrides(conf, global);
}

// Global folders and macros come first, as on the IDE's compile lines.
CompileFlags MplabXProjectReader::sectionFlags(pugi::xml_node section,
                                               pugi::xml_node global) const {
  CompileFlags flags;
  for (const std::string& segment : listSegments(property(global, sections->globalIncludesKey, source.configurations)))
    flags.includePaths.push_back(includeFolder(segment, source.projectFolder));
  for (const std::string& segment : listSegments(property(section, "extra-include-directories", source.configurations)))
    flags.includePaths.push_back(includeFolder(segment, source.projectFolder));
  for (const std::string& segment : listSegments(property(global, sections->globalMacrosKey, source.configurations)))
    flags.definitions.push_back(macroDefinition(segment));
  for (const std::string& segment : listSegments(property(section, sections->macrosKey, source.configurations)))
    flags.definitions.push_back(macroDefinition(segment));
  return flags;
}

void MplabXProjectReader::fillRootGroup(const CompileFlags& flags) {
  for (const std::string& path : flags.includePaths)
    root.includePaths.add(path);
  std::string name;
  std::string value;
  for (const std::string& definition : flags.definitions) {
    splitDefinition(definition, name, value);
    if (!name.empty())
      root.defines.set(name, value);
  }
}

// The -D and -I words of the additional options, which the IDE copies into
// every compile line of the section: read with "-sw", counted without.
void MplabXProjectReader::readAdditionalOptions(pugi::xml_node section, bool everyFile) {
  const std::vector<CompilerSwitch> switches = findCompilerSwitches(
      splitCommandWords(value(section.child("appendMe").attribute("value"), "the additional options")));
  if (!settings.readSwitches) {
    findings.unreadSwitches += switches.size();
    return;
  }
  CompileFlags added;
  for (const CompilerSwitch& found : switches) {
    if (found.kind == CompilerSwitch::IncludePath)
      added.includePaths.push_back(includeFolder(found.value, source.projectFolder));
    else
      added.definitions.push_back(found.value);
  }
  fillRootGroup(added);
  for (CompileFlags* flags : {&flagTable.cFlags, &flagTable.cppFlags}) {
    if (flags == &flagTable.cppFlags && !everyFile && separateCpp)
      continue;
    flags->includePaths.insert(flags->includePaths.end(), added.includePaths.begin(),
                               added.includePaths.end());
    flags->definitions.insert(flags->definitions.end(), added.definitions.begin(),
                              added.definitions.end());
  }
}

// An overriding item's own sections are its whole option set; a global
// section it does not list stays the configuration's.
void MplabXProjectReader::readOverrides(pugi::xml_node conf, pugi::xml_node global) {
  for (pugi::xml_node item : conf.children("item")) {
    if (!isTrue(item.attribute("overriding")))
      continue;
    const std::string path = value(item.attribute("path"), "the item path");
    const char* sectionName = isCppSource(path) && sections->cppSection != nullptr
                                  ? sections->cppSection
                                  : sections->cSection;
    const pugi::xml_node itemGlobal =
        sectionOf(item, sections->globalSection, sections->olderGlobalSection);
    flagTable.overrides[projectPath(path, source.projectFolder)] =
        sectionFlags(sectionOf(item, sectionName, sections->olderCSection),
                     itemGlobal ? itemGlobal : global);
  }
}

ProjectModel readMplabXProject(const ConversionSettings& settings, const MplabXSource& source) {
  if (!source.failure.empty())
    throw AsciiReaderError(AsciiReaderError::CannotOpen, source.configurations, source.failure);
  ProjectModel model;
  try {
    model.rootGroup = std::make_unique<ProjectGroup>(mplabXProjectName(source.projectFolder));
    model.input = source.configurations;
    model.rootGroup->sourcePath = source.projectFolder + "\\";
    MplabXProjectReader reader(settings, source, model);
    reader.read();
    warnAboutMplabXProject(settings.extensions, reader.getFindings());
  } catch (const std::bad_alloc&) {
    throw AsciiReaderError(AsciiReaderError::OutOfMemory, source.configurations,
                           OutOfMemoryReason);
  }
  mapProjectPaths(settings.pathMap, model);
  return model;
}

template <typename Node>
std::string MplabXProjectReader::value(Node node, const char* what) const {
  const char* text = node.as_string();
  refuseControlCharacters(text, what, source.configurations);
  return text;
}

std::vector<std::string> readConfigurationNames(const MplabXSource& source) {
  if (!source.failure.empty())
    throw AsciiReaderError(AsciiReaderError::CannotOpen, source.configurations, source.failure);
  pugi::xml_document document;
  loadDocument(source.configurations, document);
  std::vector<std::string> names;
  const pugi::xml_node confs = document.child("configurationDescriptor").child("confs");
  for (pugi::xml_node conf : confs.children("conf")) {
    const char* name = conf.attribute("name").value();
    refuseControlCharacters(name, "the configuration name", source.configurations);
    names.emplace_back(name);
  }
  if (names.empty())
    refuse(source.configurations, source.configurations +
                                      " lists no configuration (no <conf> in <confs>): not an "
                                      "MPLAB X project");
  return names;
}
