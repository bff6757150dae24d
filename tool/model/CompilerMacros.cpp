#include "model/CompilerMacros.h"

#include "text/TextOps.h"

namespace {

// The device name as the compilers spell it: upper case, except the "ds"
// of a dsPIC.
std::string canonicalDevice(const std::string& device) {
  const std::string upper = toUpperAscii(device);
  return startsWith(upper, "DSPIC") ? "ds" + upper.substr(2) : upper;
}

// "PIC18F4550" -> "18F4550": the part number the 8-bit and PIC32 compilers
// build their macros from.
std::string partNumber(const std::string& device) {
  const std::string name = canonicalDevice(device);
  return startsWith(name, "PIC") ? name.substr(3) : name;
}

// "PIC24FJ64GA002" -> "PIC24F", "dsPIC33EP512MC806" -> "dsPIC33E": the
// family up to the first letter after its digits.
std::string sixteenBitFamily(const std::string& device) {
  const std::string name = canonicalDevice(device);
  std::string::size_type end = name.find_first_of("0123456789");
  if (end == std::string::npos)
    return name;
  end = name.find_first_not_of("0123456789", end);
  return end == std::string::npos ? name : name.substr(0, end + 1);
}

// "PIC32MX460F512L" -> "PIC32MX".
std::string pic32Series(const std::string& device) {
  return canonicalDevice(device).substr(0, 7);
}

std::vector<std::string> pic24DeviceMacros(const std::string& device) {
  return {"__" + sixteenBitFamily(device) + "__", "__" + canonicalDevice(device) + "__"};
}

std::vector<std::string> pic32DeviceMacros(const std::string& device) {
  return {"__" + pic32Series(device) + "__", "__" + partNumber(device) + "__"};
}

// What the compilers of one device family have in common.
std::vector<std::string> sharedDeviceMacros(const std::string& device) {
  switch (deviceFamily(device)) {
    case DeviceFamily::Pic16:
      return {"_" + partNumber(device)};
    case DeviceFamily::Pic18:
      return {"__" + partNumber(device)};
    case DeviceFamily::Pic24:
      return pic24DeviceMacros(device);
    case DeviceFamily::Pic32:
      return pic32DeviceMacros(device);
    case DeviceFamily::Unknown:
      break;
  }
  return {};
}

std::vector<std::string> identityMacros(CompilerFamily compiler, DeviceFamily family) {
  switch (compiler) {
    case CompilerFamily::C18:
      return {"__18CXX"};
    case CompilerFamily::C30:
      return {"__C30__"};
    case CompilerFamily::XC16:
      return {"__XC16__", "__XC16", "__C30__"};
    case CompilerFamily::C32:
      return {"__C32__"};
    case CompilerFamily::XC32:
      return {"__XC32", "__XC32__", "__XC__", "__C32__"};
    case CompilerFamily::HitechPicc:
      return {"HI_TECH_C", "__PICC__"};
    case CompilerFamily::HitechPicc18:
      return {"HI_TECH_C", "__PICC18__", "_PIC18"};
    case CompilerFamily::XC8:
      if (family == DeviceFamily::Pic18)
        return {"__XC8", "__XC", "HI_TECH_C", "__PICC18__", "_PIC18"};
      return {"__XC8", "__XC", "HI_TECH_C", "__PICC__"};
    case CompilerFamily::Ccs:
      if (family == DeviceFamily::Pic18)
        return {"__PCH__"};
      if (family == DeviceFamily::Pic24)
        return {"__PCD__"};
      return {"__PCM__"};
    case CompilerFamily::Unknown:
      break;
  }
  return {};
}

std::vector<std::string> deviceMacros(CompilerFamily compiler, const std::string& device) {
  if (deviceFamily(device) == DeviceFamily::Unknown)
    return {};
  switch (compiler) {
    case CompilerFamily::HitechPicc:
    case CompilerFamily::HitechPicc18:
      return {"_" + partNumber(device)};
    case CompilerFamily::XC8:
      return {"_" + partNumber(device), "__" + partNumber(device)};
    case CompilerFamily::Ccs:
      // CCS names the device only through __DEVICE__, a bare number that
      // the project's own header already fixes.
      return {};
    default:
      return sharedDeviceMacros(device);
  }
}

}  // namespace

DeviceFamily deviceFamily(const std::string& device) {
  const std::string name = toUpperAscii(device);
  if (startsWith(name, "PIC10") || startsWith(name, "PIC12") || startsWith(name, "PIC16"))
    return DeviceFamily::Pic16;
  if (startsWith(name, "PIC18"))
    return DeviceFamily::Pic18;
  if (startsWith(name, "PIC24") || startsWith(name, "DSPIC"))
    return DeviceFamily::Pic24;
  if (startsWith(name, "PIC32") && name.size() >= 7)
    return DeviceFamily::Pic32;
  return DeviceFamily::Unknown;
}

std::string compilerName(CompilerFamily compiler) {
  switch (compiler) {
    case CompilerFamily::C18: return "MPLAB C18";
    case CompilerFamily::C30: return "MPLAB C30";
    case CompilerFamily::XC16: return "MPLAB XC16";
    case CompilerFamily::C32: return "MPLAB C32";
    case CompilerFamily::XC32: return "MPLAB XC32";
    case CompilerFamily::HitechPicc: return "HI-TECH PICC";
    case CompilerFamily::HitechPicc18: return "HI-TECH PICC18";
    case CompilerFamily::XC8: return "MPLAB XC8";
    case CompilerFamily::Ccs: return "CCS C";
    case CompilerFamily::Unknown: break;
  }
  return "unknown compiler";
}

std::vector<std::string> predefinedMacros(CompilerFamily compiler, const std::string& device) {
  std::vector<std::string> macros = identityMacros(compiler, deviceFamily(device));
  for (const std::string& macro : deviceMacros(compiler, device))
    macros.push_back(macro);
  return macros;
}
