#include "figure/svg_writer.h"

#include <algorithm>
#include <cstdio>

#include "figure/text_metrics.h"

namespace tw {

namespace {

// Two decimals, without trailing zeros: a hundredth of a point is finer
// than any printer, and the text stays short.
std::string num(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    std::string s = buf;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

std::string hex(const Rgb& c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
    return buf;
}

std::string escaped(const std::string& s) {
    std::string out;
    for (char ch : s) {
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += ch;
        }
    }
    return out;
}

void line(std::string& out, const FigureLine& l) {
    out += "<line x1=\"" + num(l.x1) + "\" y1=\"" + num(l.y1) + "\" x2=\"" + num(l.x2) +
           "\" y2=\"" + num(l.y2) + "\" stroke=\"" + hex(l.colour) + "\" stroke-width=\"" +
           num(l.width) + "\"";
    if (l.dashed) out += " stroke-dasharray=\"4 3\" stroke-linecap=\"butt\"";
    out += "/>\n";
}

void marker(std::string& out, const FigureMarker& m) {
    const double r = m.size / 2;
    const std::string stroke =
        "stroke=\"#000000\" stroke-width=\"" + num(std::max(0.8, m.size / 7)) + "\"";
    switch (m.kind) {
        case MarkerKind::Significant:
        case MarkerKind::NotSignificant:
            out += "<circle cx=\"" + num(m.x) + "\" cy=\"" + num(m.y) + "\" r=\"" + num(r) +
                   "\" fill=\"" + (m.kind == MarkerKind::Significant ? "#000000" : "#ffffff") +
                   "\" " + stroke + "/>\n";
            break;
        case MarkerKind::ContainsSignificant:
            out += "<rect x=\"" + num(m.x - r) + "\" y=\"" + num(m.y - r) + "\" width=\"" +
                   num(m.size) + "\" height=\"" + num(m.size) + "\" fill=\"#ffffff\" " + stroke +
                   "/>\n";
            break;
        case MarkerKind::Untested:
            out += "<path d=\"M" + num(m.x - r) + " " + num(m.y - r) + "L" + num(m.x + r) + " " +
                   num(m.y + r) + "M" + num(m.x + r) + " " + num(m.y - r) + "L" + num(m.x - r) +
                   " " + num(m.y + r) + "\" fill=\"none\" " + stroke + "/>\n";
            break;
    }
}

// The baseline sits where the painter of the windows puts it: the face's
// line centred in the box across the text.
void text(std::string& out, const FigureText& t) {
    const double across = (kFaceAscent + kFaceDescent) * t.size;
    const double ascent = kFaceAscent * t.size;
    std::string x, y, turn;
    if (t.vertical) {
        x = num(t.box.left + (t.box.width() - across) / 2 + ascent);
        y = num(t.box.bottom);
        turn = " transform=\"rotate(-90 " + x + " " + y + ")\"";
    } else {
        x = num(t.box.left);
        y = num(t.box.top + (t.box.height() - across) / 2 + ascent);
    }
    out += "<text x=\"" + x + "\" y=\"" + y + "\" font-size=\"" + num(t.size) + "\"";
    if (t.colour != kInk) out += " fill=\"" + hex(t.colour) + "\"";
    if (t.bold) out += " font-weight=\"bold\"";
    out += turn + ">" + escaped(t.text) + "</text>\n";
}

}  // namespace

std::string figure_svg(const Figure& figure, const std::vector<SvgDot>& dots) {
    const std::string w = num(figure.width), h = num(figure.height);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w +
           "pt\" height=\"" + h + "pt\" viewBox=\"0 0 " + w + " " + h +
           "\" xml:space=\"preserve\">\n";
    out += "<rect width=\"" + w + "\" height=\"" + h + "\" fill=\"#ffffff\"/>\n";
    out += "<g stroke-linecap=\"square\">\n";
    for (const FigureLine& l : figure.lines) line(out, l);
    out += "</g>\n";
    for (const FigureMarker& m : figure.markers) marker(out, m);
    for (const SvgDot& d : dots)
        out += "<circle cx=\"" + num(d.x) + "\" cy=\"" + num(d.y) + "\" r=\"" + num(d.size / 2) +
               "\" fill=\"" + hex(d.colour) + "\"/>\n";
    out += "<g font-family=\"" + std::string(kFaceName) + "\" fill=\"#000000\">\n";
    for (const FigureText& t : figure.texts) text(out, t);
    out += "</g>\n</svg>\n";
    return out;
}

}  // namespace tw
