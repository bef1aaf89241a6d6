#pragma once
// A drawing surface that records every drawing operation with its
// arguments and answers measurements from fixed metrics, so page drawing
// can be checked exactly without a window system.
#include <optional>
#include <string>
#include <vector>

#include "render/surface.h"

struct RecordingSurface final : render::OutputSurface {
    static constexpr render::Color kNoFill = 0xFF000000;  // not a 24-bit colour
    struct Op {
        std::string text;
        float x = 0, y = 0, w = 0, h = 0;  // a circle's radius is w
        render::Color color = 0, fill = kNoFill;  // fill: a circle's, when the fill style is solid
        std::optional<float> start = std::nullopt, aspect = std::nullopt;
    };

    // Every character charWidth wide, every text textHeight high.
    double charWidth = 10, textHeight = 20, width = 1000, height = 700;
    int paper = 9, orientation = 1, fillStyle = render::kFillTransparent;
    render::Color fore = render::kBlack, fill = render::kBlack;
    float curX = 0, curY = 0, fontSize = 12;
    std::string fontName = "Default Font";
    std::vector<Op> texts, boxes, lines, circles;  // in the order drawn

    void Clear() override {}
    double ScaleWidth() override { return width; }
    double ScaleHeight() override { return height; }
    double TextWidth(const std::string& s) override { return charWidth * static_cast<double>(s.size()); }
    double TextHeight(const std::string&) override { return textHeight; }
    void SetCurrentX(float x) override { curX = x; }
    void SetCurrentY(float y) override { curY = y; }
    void PrintText(const std::string& s) override { texts.push_back(Op{s, curX, curY, 0, 0, fore}); }
    render::Color ForeColor() override { return fore; }
    void SetForeColor(render::Color c) override { fore = c; }
    void FilledBox(float x, float y, float w, float h, render::Color c) override {
        boxes.push_back(Op{"", x, y, w, h, c});
    }
    void Line(float x, float y, float dx, float dy, render::Color c) override {
        lines.push_back(Op{"", x, y, dx, dy, c});
    }
    void Circle(float x, float y, float r, render::Color c, std::optional<float> s, std::optional<float>,
                std::optional<float> a) override {
        circles.push_back(Op{"", x, y, r, 0, c, fillStyle == render::kFillSolid ? fill : kNoFill, s, a});
    }
    int FillStyle() override { return fillStyle; }
    void SetFillStyle(int s) override { fillStyle = s; }
    render::Color FillColor() override { return fill; }
    void SetFillColor(render::Color c) override { fill = c; }
    std::string FontName() override { return fontName; }
    void SetFontName(const std::string& n) override { fontName = n; }
    float FontSize() override { return fontSize; }
    void SetFontSize(float s) override { fontSize = s; }
    int PaperSize() override { return paper; }
    int Orientation() override { return orientation; }
    bool EndDoc() override { return true; }
};
