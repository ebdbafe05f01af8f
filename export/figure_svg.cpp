#include "export/figure_svg.h"

#include <cstdio>

#include "figure/text_metrics.h"

namespace tw {

namespace {

std::string num(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

std::string colour(const Rgb& c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
    return text;
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

std::string text_element(const FigureText& t) {
    // The box's centre line; SVG places text by its baseline, about a third
    // of the size below the centre for a sans face.
    const double mid = (t.box.top + t.box.bottom) / 2;
    std::string e = "<text font-size=\"" + num(t.size) + "\" fill=\"" + colour(t.colour) + "\"";
    if (t.bold) e += " font-weight=\"bold\"";
    if (t.vertical) {
        const double x = (t.box.left + t.box.right) / 2 + t.size * 0.35;
        e += " transform=\"translate(" + num(x) + "," + num(t.box.bottom) + ") rotate(-90)\"";
    } else {
        e += " x=\"" + num(t.box.left) + "\" y=\"" + num(mid + t.size * 0.35) + "\"";
    }
    return e + ">" + escaped(t.text) + "</text>\n";
}

}  // namespace

std::string ordination_svg(const OrdinationFigure& o) {
    const Figure& f = o.figure;
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + num(f.width) + "pt\" height=\"" +
           num(f.height) + "pt\" viewBox=\"0 0 " + num(f.width) + " " + num(f.height) +
           "\" font-family=\"" + std::string(kFaceName) + ", sans-serif\">\n";
    out += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    for (const FigureLine& l : f.lines)
        out += "<line x1=\"" + num(l.x1) + "\" y1=\"" + num(l.y1) + "\" x2=\"" + num(l.x2) +
               "\" y2=\"" + num(l.y2) + "\" stroke=\"" + colour(l.colour) + "\" stroke-width=\"" +
               num(l.width) + "\"/>\n";
    for (const PlotDot& d : o.dots)
        out += "<circle cx=\"" + num(d.x) + "\" cy=\"" + num(d.y) + "\" r=\"" + num(d.size / 2) +
               "\" fill=\"" + colour(d.colour) + "\"/>\n";
    for (const FigureText& t : f.texts) out += text_element(t);
    return out + "</svg>\n";
}

}  // namespace tw
