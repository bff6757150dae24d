#include "ConfigurationList.h"

#include <cstdio>
#include <new>

#include <pugixml.hpp>

#include "Console.h"
#include "Errors.h"
#include "FailureReport.h"
#include "MplabXSource.h"
#include "TextOps.h"
#include "platform/Platform.h"

namespace {

const char Utf8Bom[] = "\xEF\xBB\xBF";

std::string readWholeFile(const std::string& path) {
  std::FILE* file = platform::openForReading(path);
  if (file == nullptr)
    throw AsciiReaderError(AsciiReaderError::CannotOpen, path, platform::lastFailure());
  std::string bytes;
  char block[64 * 1024];
  bool read = true;
  for (std::size_t count = sizeof block; read && count == sizeof block;) {
    read = platform::readFile(file, block, count);
    bytes.append(block, count);
  }
  const std::string reason = read ? std::string() : platform::lastFailure();
  std::fclose(file);
  if (!read)
    throw AsciiReaderError(AsciiReaderError::ReadFailed, path, reason);
  return bytes;
}

bool isMcpFile(const std::string& path) {
  const std::string name = toUpperAscii(lastPathPart(path));
  return name.size() > 4 && name.compare(name.size() - 4, 4, ".MCP") == 0;
}

// An .mcp file that can be read has one build and no names.
void checkMcpFile(const std::string& sourceProject) {
  std::FILE* file = platform::openForReading(sourceProject);
  if (file == nullptr)
    throw AsciiReaderError(AsciiReaderError::CannotOpen, platform::lastFailure());
  std::fclose(file);
  if (!isMcpFile(sourceProject))
    throw AsciiReaderError(AsciiReaderError::NotConvertible,
                           displayPath(sourceProject) +
                               " is neither an MPLAB X project (a folder holding "
                               "nbproject/configurations.xml, or that file) nor an .mcp file");
}

}  // namespace

std::vector<std::string> configurationNames(const std::string& sourceProject) {
  MplabXSource source;
  if (!findMplabXSource(sourceProject, source)) {
    checkMcpFile(sourceProject);
    return {};
  }
  std::string bytes = readWholeFile(source.configurations);
  if (bytes.compare(0, 3, Utf8Bom) == 0)
    bytes.erase(0, 3);
  pugi::xml_document document;
  const pugi::xml_parse_result parsed =
      document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_utf8);
  const pugi::xml_node confs = document.child("configurationDescriptor").child("confs");
  if (!parsed || !confs.child("conf"))
    throw AsciiReaderError(AsciiReaderError::NotConvertible, source.configurations,
                           displayPath(source.configurations) +
                               " lists no configuration (no <conf> in <confs>): not an MPLAB X "
                               "project");
  std::vector<std::string> names;
  for (pugi::xml_node conf : confs.children("conf"))
    names.emplace_back(conf.attribute("name").value());
  return names;
}

int printConfigurations(const std::string& sourceProject) {
  try {
    for (const std::string& name : configurationNames(sourceProject))
      printLine(name);
    return 0;
  } catch (const AsciiReaderError& error) {
    reportReadFailure(sourceProject, error);
  } catch (const std::bad_alloc&) {
    reportReadFailure(sourceProject,
                      AsciiReaderError(AsciiReaderError::OutOfMemory, OutOfMemoryReason));
  }
  return 1;
}
