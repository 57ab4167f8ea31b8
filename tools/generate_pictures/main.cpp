// Draws the staff template and the palette symbols from the Noto Music font and writes
// them as the BMP files that the program embeds, and the symbols' outlines as a text file:
//   generate_pictures --font NotoMusic-Regular.ttf --out resources/pictures
//                     [--outlines resources/outlines/palette_outlines.txt] [--preview x.png]
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "music_font.h"
#include "outline_file.h"
#include "palette_symbols.h"
#include "picture_files.h"
#include "staff_template.h"

int main(int argc, char** argv) {
  // Only QPainter and QRawFont are needed; no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  QCommandLineParser parser;
  parser.setApplicationDescription("Draws the embedded pictures of ScoreInk.");
  parser.addHelpOption();
  const QCommandLineOption font_option("font", "Music font file.", "file",
                                       "/usr/share/fonts/truetype/noto/NotoMusic-Regular.ttf");
  const QCommandLineOption out_option("out", "Folder for the BMP files.", "folder");
  const QCommandLineOption outlines_option("outlines", "Also write the symbols' outlines.", "file");
  const QCommandLineOption preview_option("preview", "Also write an overview PNG.", "file");
  parser.addOptions({font_option, out_option, outlines_option, preview_option});
  parser.process(app);
  if (!parser.isSet(out_option)) {
    std::fprintf(stderr, "generate_pictures: --out is required\n");
    return 2;
  }

  try {
    using namespace scoreink::tools;
    const MusicFont font(parser.value(font_option));
    const QDir out(parser.value(out_option));
    if (!out.exists() && !QDir().mkpath(out.path())) {
      throw std::runtime_error("cannot create " + out.path().toStdString());
    }
    const InkMask page = DrawStaffTemplate(font);
    WriteTemplateFile(page, out.filePath("ImgScoreDef.bmp"));
    const std::vector<PaletteSymbol> symbols = DrawPaletteSymbols(font);
    for (const PaletteSymbol& symbol : symbols) {
      WriteSymbolFile(symbol,
                      out.filePath(QString("Img%1.bmp").arg(symbol.number, 2, 10, QChar('0'))));
    }
    if (parser.isSet(outlines_option)) WriteOutlineFile(symbols, parser.value(outlines_option));
    if (parser.isSet(preview_option)) WritePreview(page, symbols, parser.value(preview_option));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "generate_pictures: %s\n", error.what());
    return 1;
  }
  return 0;
}
