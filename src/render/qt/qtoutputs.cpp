#include "render/qt/qtoutputs.h"

#include <QGuiApplication>
#include <QImage>
#include <QPrinter>

#include "render/page.h"
#include "render/qt/qtsurface.h"

namespace render {

bool WritePng(const month::MonthResult& r, month::Settings& s, const std::string& monthText,
              bool summerTime, int width, int height, const std::string& file,
              astro::Reporter& rep) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QtImageSurface screen(image, PictureFont());
        month::Settings st = s;
        st.outputDevice.assign(1, 'S');
        Output out(screen, nullptr, st);
        PageLayout layout;
        PageContext ctx{out, layout, st, monthText, summerTime, rep};
        month::MonthTab tab = r.tab;
        PageSetup(ctx);
        DrawPage(ctx, tab, r.dayRows);
        screen.finish();
    }
    if (!image.save(QString::fromStdString(file), "PNG")) {
        rep.error("The image file could not be written:\r\n" + file);
        return false;
    }
    return true;
}

bool WritePdf(const month::MonthResult& r, month::Settings& s, const std::string& monthText,
              bool summerTime, const std::string& paper, bool landscape, const std::string& file,
              astro::Reporter& rep) {
    QPrinter printer(QPrinter::HighResolution);
    SetupPdfPrinter(printer, QString::fromStdString(file), paper == "letter", landscape);
    QImage pictureImage(1, 1, QImage::Format_RGB32);
    QtImageSurface picture(pictureImage, PictureFont());
    QtPrinterSurface prn(printer, QGuiApplication::font());
    month::Settings st = s;
    st.outputDevice.assign(1, 'P');
    Output out(picture, &prn, st);
    PageLayout layout;
    PageContext ctx{out, layout, st, monthText, summerTime, rep};
    month::MonthTab tab = r.tab;
    PageSetup(ctx);
    if (!DrawPage(ctx, tab, r.dayRows)) {
        rep.error("The PDF file could not be written:\r\n" + file);
        return false;
    }
    return true;
}

void DefaultFont(std::string& name, float& size) {
    QFont f = QGuiApplication::font();
    name = f.family().toStdString();
    size = static_cast<float>(f.pointSizeF());
}

}  // namespace render
