// The window's translations: Almucan's own built-in ones and Qt's, by the user's locale.
#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace ui {

std::vector<std::unique_ptr<QTranslator>> InstallTranslations(const QLocale& locale) {
    std::vector<std::unique_ptr<QTranslator>> installed;
    const QString places[][2] = {{QStringLiteral("almucan"), QStringLiteral(":/i18n")},
                                 {QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)}};
    for (const auto& [name, folder] : places) {
        auto t = std::make_unique<QTranslator>();
        if (t->load(locale, name, QStringLiteral("_"), folder) && QCoreApplication::installTranslator(t.get()))
            installed.push_back(std::move(t));
    }
    return installed;
}

}  // namespace ui
