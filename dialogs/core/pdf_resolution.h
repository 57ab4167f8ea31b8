#pragma once
// The resolution PDF pages are opened at, as the user last chose it in the score file dialog:
// remembered in the per-user data folder ("PdfResolution.txt", one line: the dots per inch).
namespace scoreink {

// One of kPdfResolutions: the remembered one, or kDefaultPdfDpi when none is remembered (or
// the file holds anything else).
int RememberedPdfDpi();
// Remembers dpi (one of kPdfResolutions); false when it could not be written.
bool RememberPdfDpi(int dpi);

}  // namespace scoreink
