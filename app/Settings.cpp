#include "app/Universe.h"

#include "calculator/frmHUD.h"
#include "data/NumberForm.h"
#include "widgets/UserSettings.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

using namespace Qt::StringLiterals;

namespace app {

namespace {

constexpr int TwipsPerPixel = 15;
constexpr float DefaultEdge = 105.0f;
const QString Defaults = u"Defaults"_s;  // the section of the program's own settings

// Values are text; a hand-edited file may hold a list or another type instead.
QString textValue(const QSettings& settings, const QString& key)
{
    const QVariant value = settings.value(key);
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u", "_s);
    return value.toString();
}

// A saved position in twips: a missing, unreadable or absurd value gives the default.
float edgeValue(const QSettings& settings, const QString& key)
{
    if (!settings.contains(key))
        return DefaultEdge;
    const data::ParsedNumber n = data::readNumber(textValue(settings, key));
    if (!n.ok() || !std::isfinite(static_cast<float>(n.value)) || std::fabs(n.value) > 1.0e8)
        return DefaultEdge;
    return static_cast<float>(n.value);
}

} // namespace

SavedSettings LoadSettings()
{
    widgets::UserSettings settings(Defaults);
    SavedSettings saved;
    saved.fromCountry = textValue(settings, u"ConvertTo"_s);
    saved.toCountry = textValue(settings, u"ConvertFrom"_s);
    const data::ParsedNumber com = data::readNumber(textValue(settings, u"Com"_s));
    saved.commission = com.ok() ? com.value : 0.0;
    const float top = edgeValue(settings, u"Top"_s);
    const float left = edgeValue(settings, u"Left"_s);
    saved.position = QPoint(qRound(left / TwipsPerPixel), qRound(top / TwipsPerPixel));
    return saved;
}

QPoint reachablePosition(QPoint position, QSize frameSize)
{
    // A window no screen shows at all could never be reached again.
    const QRect wanted(position, frameSize);
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry().intersects(wanted))
            return position;
    }
    return QPoint(qRound(DefaultEdge / TwipsPerPixel), qRound(DefaultEdge / TwipsPerPixel));
}

void SaveSettings()
{
    if (!frmHUD::isLoaded())
        return;
    const frmHUD& hud = frmHUD::instance();
    widgets::UserSettings settings(Defaults);
    const QString from = hud.selectedCountry(0);
    if (!from.isEmpty())
        settings.setValue(u"ConvertTo"_s, from);
    const QString to = hud.selectedCountry(1);
    if (!to.isEmpty())
        settings.setValue(u"ConvertFrom"_s, to);
    // Kept in the '.' form whatever the user's; a text that has none (a pasted
    // "1.000" where the mark is a comma) leaves the saved commission as it was.
    if (const std::optional<QString> com = data::pointFormOf(hud.commissionText()))
        settings.setValue(u"Com"_s, *com);
    settings.setValue(u"Top"_s, QString::number(hud.pos().y() * TwipsPerPixel));
    settings.setValue(u"Left"_s, QString::number(hud.pos().x() * TwipsPerPixel));
    settings.sync();
}

void SelectCountry(const QString& name, int index)
{
    frmHUD& hud = frmHUD::instance();
    const QStringList entries = hud.countryEntries(index);
    if (entries.isEmpty())
        return;
    // Walking the list item by item ends on the exact match or, without one, on
    // the last item; selecting that item directly has the same outcome.
    const qsizetype match = entries.indexOf(name);
    hud.chooseCountryRow(index, int(match >= 0 ? match : entries.size() - 1));
}

} // namespace app
