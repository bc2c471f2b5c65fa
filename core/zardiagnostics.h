#ifndef ZARDIAGNOSTICS_H
#define ZARDIAGNOSTICS_H

#include <ostream>
#include <string>

// The one sink of the program's diagnostic lines (standard error by default).
// Tests swap in a string stream to read what was written.
class zarDiagnostics
{
public:
    // "<prefix>error: <message><value>", end of line with flush, then one carriage return.
    static void line(const std::string& text);
    // Raw text, no line end (the transport's lone carriage return).
    static void raw(const std::string& text);
    static void setStream(std::ostream* stream);
};

#endif
