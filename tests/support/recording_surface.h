#pragma once
// A drawing surface that records every operation with its arguments and
// answers measurements from fixed metrics, so page drawing can be checked
// exactly without a window system.
#include <optional>
#include <string>
#include <vector>

#include "render/surface.h"

struct RecordingSurface final : render::OutputSurface {
    struct Op {
        std::string name;  // "clear", "text", "box", "line", "circle", "forecolor", ...
        std::string text;
        float x = 0, y = 0, w = 0, h = 0;
        render::Color color = 0;
        std::optional<float> start, end, aspect;
        float size = 0;  // font size in force when a text was printed
    };
    static Op Make(const std::string& name, const std::string& text = {}) {
        Op o;
        o.name = name;
        o.text = text;
        return o;
    }

    // Fixed metrics: every character charWidth wide, every text textHeight high.
    double charWidth = 10;
    double textHeight = 20;
    double width = 1000, height = 700;
    // When set, widths and heights scale with fontSize / 12, as a real
    // font's do.
    bool metricsFollowFont = false;
    int paper = 9, orientation = 1;
    bool endDocResult = true;

    std::vector<Op> ops;
    render::Color fore = render::kBlack;
    render::Color fill = render::kBlack;
    int fillStyle = 1;
    float curX = 0, curY = 0;
    std::string fontName = "Default Font";
    float fontSize = 12;

    void Clear() override { ops.push_back(Make("clear")); }
    double ScaleWidth() override { return width; }
    double ScaleHeight() override { return height; }
    double FontScale() const { return metricsFollowFont ? fontSize / 12.0 : 1.0; }
    double TextWidth(const std::string& s) override {
        return charWidth * static_cast<double>(s.size()) * FontScale();
    }
    double TextHeight(const std::string&) override { return textHeight * FontScale(); }
    void SetCurrentX(float x) override { curX = x; }
    void SetCurrentY(float y) override { curY = y; }
    void PrintText(const std::string& s) override {
        Op o = Make("text", s);
        o.x = curX;
        o.y = curY;
        o.color = fore;
        o.size = fontSize;
        ops.push_back(o);
    }
    render::Color ForeColor() override { return fore; }
    void SetForeColor(render::Color c) override {
        fore = c;
        Op o = Make("forecolor");
        o.color = c;
        ops.push_back(o);
    }
    void FilledBox(float x, float y, float w, float h, render::Color c) override {
        Op o = Make("box");
        o.x = x, o.y = y, o.w = w, o.h = h, o.color = c;
        ops.push_back(o);
    }
    void Line(float x, float y, float dx, float dy, render::Color c) override {
        Op o = Make("line");
        o.x = x, o.y = y, o.w = dx, o.h = dy, o.color = c;
        ops.push_back(o);
    }
    void Circle(float x, float y, float r, render::Color c, std::optional<float> s,
                std::optional<float> e, std::optional<float> a) override {
        Op o = Make("circle");
        o.x = x, o.y = y, o.w = r, o.color = c, o.start = s, o.end = e, o.aspect = a;
        o.h = static_cast<float>(fill);  // fill colour in force, for checks
        ops.push_back(o);
    }
    int FillStyle() override { return fillStyle; }
    void SetFillStyle(int s) override { fillStyle = s; }
    render::Color FillColor() override { return fill; }
    void SetFillColor(render::Color c) override { fill = c; }
    std::string FontName() override { return fontName; }
    void SetFontName(const std::string& n) override {
        fontName = n;
        ops.push_back(Make("fontname", n));
    }
    float FontSize() override { return fontSize; }
    void SetFontSize(float s) override {
        fontSize = s;
        Op o = Make("fontsize");
        o.w = s;
        ops.push_back(o);
    }
    int PaperSize() override { return paper; }
    int Orientation() override { return orientation; }
    bool EndDoc() override {
        ops.push_back(Make("enddoc"));
        return endDocResult;
    }

    std::vector<Op> named(const std::string& n) const {
        std::vector<Op> r;
        for (const Op& o : ops)
            if (o.name == n) r.push_back(o);
        return r;
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> r;
        for (const Op& o : ops)
            if (o.name == "text") r.push_back(o.text);
        return r;
    }
};
