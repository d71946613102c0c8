#include "i18nbridge.h"

#include "base/format.h"
#include "i18n/i18n.h"

bool I18nBridge::isRightToLeft() const
{
    return ::isRightToLeft(appLang());
}

QString I18nBridge::leftToRight(const QString &text) const
{
    // A left-to-right embedding … pop directional formatting. Isolates would do as well,
    // but with some desktops' fonts Qt lays an isolated path out from the right all the same.
    return isRightToLeft() ? QChar(0x202A) + text + QChar(0x202C) : text;
}

QString I18nBridge::l(const QString &text) const
{
    return L(text);
}

QString I18nBridge::lf(const QString &format, const QVariantList &arguments) const
{
    std::vector<FormatArg> converted;
    converted.reserve(arguments.size());
    for (const QVariant &argument : arguments) {
        // Numbers from QML arrive as doubles; the formats take whole numbers.
        if (argument.typeId() == QMetaType::QString)
            converted.emplace_back(argument.toString());
        else
            converted.emplace_back(qint64(argument.toDouble()));
    }
    return formatIn(appLang(), L(format), converted);
}

QString I18nBridge::lp(const QString &format, qint64 count) const
{
    return LP(format, count);
}

QString I18nBridge::bytes(double bytes) const
{
    return Tools::fmtBytes(bytes);
}

QString I18nBridge::time(double seconds) const
{
    return Tools::fmtTime(seconds);
}
