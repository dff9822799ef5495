#include "platform/Translation.h"

#include <QFileInfo>

namespace {
// The compiled translations are embedded as resources: reading one costs no file lookup on the disk.
const QString kFolder = QStringLiteral(":/i18n");
const QString kBase = QStringLiteral("modemtally_");
} // namespace

namespace Translation {

std::unique_ptr<QTranslator> load(const QLocale& locale) {
    for (QString language : locale.uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString base = language.section(QLatin1Char('_'), 0, 0);
        // The texts are written in English: an English (or C) language before any other means no
        // translation, even when a later language of the list has one.
        if (base == QLatin1String("en") || base == QLatin1String("C") || base == QLatin1String("POSIX"))
            return nullptr;
        for (const QString& name : {language, base}) {
            const QString path = kFolder + QLatin1Char('/') + kBase + name + QStringLiteral(".qm");
            if (!QFileInfo::exists(path))
                continue;
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(path))
                return translator;
        }
    }
    return nullptr;
}

} // namespace Translation
