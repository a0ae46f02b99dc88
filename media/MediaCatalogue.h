#pragma once

namespace tessarine {

class IDirectoryListing;
class Module1;
struct ProgramInfo;

// Fill the shared picture lists from the "Images", "Symbols" and "Attributes" folders of the
// program folder: every "*.jpg" in listing order from position 1, at most 1000 names. A folder
// without pictures leaves one empty name at position 1. Failures are reported under the loader's
// own name and the loader goes on.
void CaricaImmagini(Module1& module, IDirectoryListing& listing, const ProgramInfo& program);
void CaricaSimboli(Module1& module, IDirectoryListing& listing, const ProgramInfo& program);
void CaricaAttributi(Module1& module, IDirectoryListing& listing, const ProgramInfo& program);

} // namespace tessarine
