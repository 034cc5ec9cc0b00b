#pragma once

// Country names as people write them, and the currencies of countries, from the
// locale data Qt carries. Used by the rate import; no widgets.

#include <QLocale>
#include <QString>
#include <QStringList>

namespace ratefiles {

// The country a name stands for: Qt's English territory names and the usual
// variants ("USA", "Holland", "Korea (South)", "Congo, Democratic Republic of
// the", "Côte d'Ivoire" with or without accents). AnyTerritory when unknown.
QLocale::Territory territoryOfName(const QString& name);

// The ISO 4217 codes of a territory's currency, the locale data's first, then
// any that replaced it since (Croatia's euro).
QStringList currenciesOfTerritory(QLocale::Territory territory);

// The ISO 4217 code of a country's currency as the locale data knows it, the
// country named as people write it ("USA", "Holland", "Korea (South)"); empty
// when the name is not a known country.
QString currencyOfCountry(const QString& name);

// A country and unit name for a currency the per-euro files list by code only:
// the country in English, as the table's names are matched, the unit in the
// language of the translation in use. The countries the program names are
// offered for translation too (context "Territories"), for the windows to show.
struct EuroCurrency {
    QString country;
    QString unit;
};
EuroCurrency nameOfCurrency(const QString& code);

} // namespace ratefiles
