#pragma once
// The window's texts in the user's language.
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

namespace ui {

// The translators of the window's texts for `locale`, installed into the
// application: Almucan's own (built in for German, French, Spanish and
// Italian) and Qt's for its standard buttons and dialogs, where there are
// any for the locale's language.  English needs none.  Destroying them
// takes them out again.
std::vector<std::unique_ptr<QTranslator>> InstallTranslations(const QLocale& locale);

}  // namespace ui
