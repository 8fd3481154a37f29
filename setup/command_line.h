#pragma once
// The assistant's command line, read as a document application reads it:
// an argument beginning with "/" or "-" is a flag named by the rest.

namespace setup {

// True when the last of the flags "pt" and "p" is "pt" (compared exactly,
// so "/PT" is not the setup flag). Other arguments have no effect.
bool IsSetupMode(int argc, const char* const* argv);

}  // namespace setup
