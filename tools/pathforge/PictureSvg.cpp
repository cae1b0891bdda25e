// SVG of a motion picture (see PictureSvg.h).
#include "PictureSvg.h"

#include "common/Format.h"
#include "common/Text.h"
#include "motion/PictureLayout.h"

namespace pf {
namespace {

constexpr double kWidth = 520.0;
constexpr double kHeight = 360.0;
constexpr double kTextHeight = 12.0;
constexpr double kCaptionHeight = 22.0;
constexpr double kDotRadius = 4.0;

// Two decimals in the C locale, whatever the host set.
std::string Number(double value) { return ToNarrow(Format(L"%.2f", value)); }

std::string Escaped(const std::wstring& text) {
  std::string out;
  for (const char c : ToNarrow(text)) {
    if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else if (c == '&') out += "&amp;";
    else out += c;
  }
  return out;
}

std::string Colour(Ink ink) { return ToNarrow(Format(L"#%06X", StyleOf(ink).rgb)); }

std::string Line(const SceneLine& line) {
  const InkStyle style = StyleOf(line.ink);
  std::string svg = "<polyline fill=\"none\" stroke=\"" + Colour(line.ink) + "\" stroke-width=\"" + Number(style.width) +
                    (style.dashed ? "\" stroke-dasharray=\"6 3" : "") + "\" points=\"";
  for (const ScenePoint& p : line.points) svg += Number(p.x) + "," + Number(p.y) + " ";
  return svg + "\"/>\n";
}

std::string Text(const SceneText& text) {
  const char* anchor = text.align == TextAlign::Left ? "start" : text.align == TextAlign::Centre ? "middle" : "end";
  // The baseline lies about a third of the text's height below its middle.
  return "<text x=\"" + Number(text.at.x) + "\" y=\"" + Number(text.at.y + kTextHeight / 3) + "\" text-anchor=\"" +
         anchor + "\" fill=\"" + Colour(text.ink) + "\">" + Escaped(text.text) + "</text>\n";
}

std::string Layer(const SceneLayer& layer) {
  std::string svg;
  if (layer.boxed) {
    svg += "<rect x=\"" + Number(layer.box.left) + "\" y=\"" + Number(layer.box.top) + "\" width=\"" +
           Number(layer.box.right - layer.box.left) + "\" height=\"" + Number(layer.box.bottom - layer.box.top) +
           "\" fill=\"white\" stroke=\"" + Colour(Ink::Frame) + "\"/>\n";
  }
  for (const SceneLine& line : layer.lines) svg += Line(line);
  for (const SceneDot& dot : layer.dots) {
    svg += "<circle cx=\"" + Number(dot.at.x) + "\" cy=\"" + Number(dot.at.y) + "\" r=\"" + Number(kDotRadius) +
           "\" fill=\"" + Colour(dot.ink) + "\"/>\n";
  }
  for (const SceneText& text : layer.texts) svg += Text(text);
  return svg;
}

}  // namespace

std::string PictureToSvg(const MotionPicture& picture, const std::wstring& caption) {
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number(kWidth) + "\" height=\"" +
                    Number(kHeight + kCaptionHeight) + "\" font-family=\"sans-serif\" font-size=\"" +
                    Number(kTextHeight) + "\">\n";
  svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  svg += "<text x=\"4\" y=\"16\">" + Escaped(caption) + "</text>\n";
  svg += "<g transform=\"translate(0," + Number(kCaptionHeight) + ")\">\n";
  for (const SceneLayer& layer : LayOutPicture(picture, kWidth, kHeight, kTextHeight).layers) svg += Layer(layer);
  svg += "</g>\n</svg>\n";
  return svg;
}

}  // namespace pf
