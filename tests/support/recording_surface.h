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
        float x = 0, y = 0, w = 0, h = 0;  // a circle's radius is w; a font size op's size is w
        render::Color color = 0;           // for a circle, fill is the fill colour in force
        render::Color fill = 0;
        std::optional<float> start, aspect;
        float size = 0;  // font size in force when a text was printed
    };

    // Fixed metrics: every character charWidth wide, every text textHeight
    // high; with metricsFollowFont both scale with fontSize / 12, as a real
    // font's do.
    double charWidth = 10, textHeight = 20;
    double width = 1000, height = 700;
    bool metricsFollowFont = false;
    int paper = 9, orientation = 1;
    bool endDocResult = true;

    std::vector<Op> ops;
    render::Color fore = render::kBlack, fill = render::kBlack;
    int fillStyle = 1;
    float curX = 0, curY = 0;
    std::string fontName = "Default Font";
    float fontSize = 12;

    Op& Add(const std::string& name, const std::string& text = {}) {
        ops.emplace_back();
        ops.back().name = name;
        ops.back().text = text;
        return ops.back();
    }
    double FontScale() const { return metricsFollowFont ? fontSize / 12.0 : 1.0; }

    void Clear() override { Add("clear"); }
    double ScaleWidth() override { return width; }
    double ScaleHeight() override { return height; }
    double TextWidth(const std::string& s) override {
        return charWidth * static_cast<double>(s.size()) * FontScale();
    }
    double TextHeight(const std::string&) override { return textHeight * FontScale(); }
    void SetCurrentX(float x) override { curX = x; }
    void SetCurrentY(float y) override { curY = y; }
    void PrintText(const std::string& s) override {
        Op& o = Add("text", s);
        o.x = curX, o.y = curY, o.color = fore, o.size = fontSize;
    }
    render::Color ForeColor() override { return fore; }
    void SetForeColor(render::Color c) override { Add("forecolor").color = fore = c; }
    void FilledBox(float x, float y, float w, float h, render::Color c) override {
        Op& o = Add("box");
        o.x = x, o.y = y, o.w = w, o.h = h, o.color = c;
    }
    void Line(float x, float y, float dx, float dy, render::Color c) override {
        Op& o = Add("line");
        o.x = x, o.y = y, o.w = dx, o.h = dy, o.color = c;
    }
    void Circle(float x, float y, float r, render::Color c, std::optional<float> s,
                std::optional<float>, std::optional<float> a) override {
        Op& o = Add("circle");
        o.x = x, o.y = y, o.w = r, o.color = c, o.fill = fill, o.start = s, o.aspect = a;
    }
    int FillStyle() override { return fillStyle; }
    void SetFillStyle(int s) override { fillStyle = s; }
    render::Color FillColor() override { return fill; }
    void SetFillColor(render::Color c) override { fill = c; }
    std::string FontName() override { return fontName; }
    void SetFontName(const std::string& n) override { Add("fontname", fontName = n); }
    float FontSize() override { return fontSize; }
    void SetFontSize(float s) override { Add("fontsize").w = fontSize = s; }
    int PaperSize() override { return paper; }
    int Orientation() override { return orientation; }
    bool EndDoc() override {
        Add("enddoc");
        return endDocResult;
    }

    std::vector<Op> named(const std::string& n) const {
        std::vector<Op> r;
        for (const Op& o : ops)
            if (o.name == n) r.push_back(o);
        return r;
    }
};
