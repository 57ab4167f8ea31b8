#pragma once
// The program's own raster canvas: draws straight into an 8-bit (palette index) or 24-bit
// image with exact, documented pixel results. QPainter is used for display and printing
// only; it cannot paint on 8-bit images and its one-pixel lines differ from these.
//
// Results the editing tools rely on:
//  - LineTo excludes its end point with a one-pixel pen; wider pens have round ends and
//    joins (the union of discs of the pen's diameter along the line, end point included).
//  - Rectangle and Ellipse exclude right and bottom; they fill only with a solid brush.
//  - PenMode::NotXor sets NOT(pixel XOR pen) (on palette indices for 8-bit images, per channel
//    for 24-bit), each covered pixel exactly once per figure, so a figure drawn twice leaves
//    every pixel as it was (rubber bands).
//  - FloodFill recolours the 4-connected area of one exact colour containing the start.
//  - CopyRect and Draw are clipped to both bitmaps: nothing outside either is read or written.
//  - Every operation clips to the image; nothing outside it is ever written.
// Colours are given as QRgb; on an 8-bit image they become the nearest index of the image's
// colour table (exact for the fixed palette's own colours).
#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>

namespace scoreink {

enum class PenMode { Copy, NotXor };
enum class PenStyle { Solid, Dot };
enum class BrushStyle { Clear, Solid };

class Canvas {
 public:
  // The canvas draws into *target, which must outlive it and stay Indexed8, RGB888 or RGB32.
  explicit Canvas(QImage* target);

  void SetTarget(QImage* target);
  QImage* Target() const { return target_; }

  void SetPenColor(QRgb color) { penColor_ = color; }
  void SetPenWidth(int width) { penWidth_ = width < 1 ? 1 : width; }
  void SetPenMode(PenMode mode) { penMode_ = mode; }
  void SetPenStyle(PenStyle style) { penStyle_ = style; }
  // Setting a brush colour makes a clear brush solid: the fill after a pen press, which left
  // the brush clear, fills in that colour.
  void SetBrushColor(QRgb color) {
    brushColor_ = color;
    brushStyle_ = BrushStyle::Solid;
  }
  void SetBrushStyle(BrushStyle style) { brushStyle_ = style; }
  QRgb PenColor() const { return penColor_; }
  int PenWidth() const { return penWidth_; }
  PenMode Mode() const { return penMode_; }

  QPoint PenPos() const { return penPos_; }
  void MoveTo(int x, int y) { penPos_ = {x, y}; }
  void LineTo(int x, int y);
  void Rectangle(int left, int top, int right, int bottom);
  void Ellipse(int left, int top, int right, int bottom);
  // One cubic Bezier from p[0] to p[3] with control points p[1], p[2], drawn with the pen as
  // one connected figure; both end points are drawn. Leaves the pen position alone.
  void PolyBezier(const std::array<QPoint, 4>& p);
  void FloodFill(int x, int y, QRgb surfaceColor);  // fill colour: the brush colour
  // Copies src's srcRect onto dest (equal sizes required; unequal sizes copy nothing).
  // Parts of srcRect outside src leave the destination unchanged.
  void CopyRect(const QRect& dest, const QImage& src, const QRect& srcRect);
  // Draws src with its top-left at (x, y); with transparentWhite, white source pixels are
  // skipped.
  void Draw(int x, int y, const QImage& src, bool transparentWhite = false);
  QRgb Pixel(int x, int y) const;
  void SetPixel(int x, int y, QRgb color);

  // Bounding box of every pixel written since the last ResetDirty(), so that a view can
  // repaint only what changed.
  QRect Dirty() const { return dirty_; }
  void ResetDirty() { dirty_ = QRect(); }

 private:
  QImage* target_;
  QRgb penColor_ = 0xFF000000u;
  int penWidth_ = 1;
  PenMode penMode_ = PenMode::Copy;
  PenStyle penStyle_ = PenStyle::Solid;
  QRgb brushColor_ = 0xFFFFFFFFu;
  BrushStyle brushStyle_ = BrushStyle::Solid;
  QPoint penPos_;
  QRect dirty_;
  // A dotted one-pixel polyline keeps its on/off rhythm across LineTo calls that join.
  int dotPhase_ = 0;
  QPoint dotEnd_;
  bool dotEndValid_ = false;
};

}  // namespace scoreink
