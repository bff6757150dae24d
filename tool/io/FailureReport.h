#ifndef QUILLBROOK_FAILUREREPORT_H
#define QUILLBROOK_FAILUREREPORT_H

// How a failure that stops a conversion is told: first the reason on
// standard error, for a person, then the one line on standard output that
// the wizard reads.

#include <string>

class AsciiReaderError;
class IOERROR;

void reportReadFailure(const std::string& sourceProject, const AsciiReaderError& error);
void reportWriteFailure(const IOERROR& error);

#endif
