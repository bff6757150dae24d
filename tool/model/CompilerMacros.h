#ifndef QUILLBROOK_COMPILERMACROS_H
#define QUILLBROOK_COMPILERMACROS_H

// The macros a PIC compiler defines by itself for a device, so analysers
// reading the compilation database take the same branches of the project's
// headers as the compiler did. Which compiler a project uses is found
// elsewhere (McpCompiler for MPLAB IDE projects); this is the table only.

#include <string>
#include <vector>

enum class CompilerFamily {
  C18,           // MPLAB C18, PIC18
  C30,           // MPLAB C30, PIC24 and dsPIC
  XC16,          // MPLAB XC16, PIC24 and dsPIC
  C32,           // MPLAB C32, PIC32
  XC32,          // MPLAB XC32, PIC32
  HitechPicc,    // HI-TECH C for PIC10/12/16
  HitechPicc18,  // HI-TECH C for PIC18
  XC8,           // MPLAB XC8, PIC10/12/16 and PIC18
  Ccs,           // CCS C (PCB, PCM, PCH, PCD)
  Unknown,
};

// The device families, read from a device name such as "PIC18F4550".
enum class DeviceFamily { Pic16, Pic18, Pic24, Pic32, Unknown };

// PIC10, PIC12 and PIC16 count as Pic16, dsPIC as Pic24; letter case of the
// name is ignored.
DeviceFamily deviceFamily(const std::string& device);

// The compiler's name for a person, e.g. "MPLAB C18".
std::string compilerName(CompilerFamily compiler);

// "NAME" or "NAME=VALUE" strings: the compiler's identity macros, then the
// device macros in the compiler's own spelling. An Unknown compiler gets the
// device macros that the compilers of the device's family share; an empty
// or unrecognised device gives no device macros.
std::vector<std::string> predefinedMacros(CompilerFamily compiler, const std::string& device);

#endif
