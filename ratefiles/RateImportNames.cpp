#include "ratefiles/RateImportNames.h"

#include <QCoreApplication>
#include <QHash>

#include <utility>

using namespace Qt::StringLiterals;

namespace ratefiles {

namespace {

// Lower case, accents and punctuation gone, "&" as "and", "St" as "Saint",
// a leading or trailing "the" dropped: "The Bahamas", "Bahamas, The" and
// "bahamas" are one name.
QString normalized(QStringView name)
{
    bool ascii = true;
    for (QChar c : name)
        ascii = ascii && c.unicode() < 0x80;
    const QString decomposed = ascii ? name.toString() : name.toString().normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size() + 4);
    bool gap = false;  // a blank is due before the next letter
    const auto letter = [&](QChar c) {
        if (gap && !out.isEmpty())
            out += u' ';
        gap = false;
        out += c;
    };
    for (QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing || c == u'\'' || c == QChar(0x2019))
            continue;
        if (c == u'&') {
            gap = true;
            for (QChar a : u"and"_s)
                letter(a);
            gap = true;
        } else if (c.isLetterOrNumber()) {
            letter(c.toLower());
        } else {
            gap = true;
        }
    }
    if (out.startsWith(u"st "))
        out.replace(0, 2, u"saint"_s);
    if (out.startsWith(u"the ") && out.size() > 4)
        out.remove(0, 4);
    if (out.endsWith(u" the") && out.size() > 4)
        out.chop(4);
    return out;
}

// Names people write that the locale data does not hold, by ISO 3166 code.
constexpr std::pair<const char16_t*, const char16_t*> Aliases[] = {
    {u"usa", u"US"}, {u"us", u"US"}, {u"america", u"US"}, {u"united states of america", u"US"},
    {u"uk", u"GB"}, {u"britain", u"GB"}, {u"great britain", u"GB"}, {u"england", u"GB"},
    {u"scotland", u"GB"}, {u"wales", u"GB"}, {u"northern ireland", u"GB"},
    {u"united kingdom of great britain and northern ireland", u"GB"},
    {u"holland", u"NL"}, {u"russian federation", u"RU"},
    {u"korea", u"KR"}, {u"korea south", u"KR"}, {u"republic of korea", u"KR"}, {u"korea republic of", u"KR"},
    {u"korea rep", u"KR"}, {u"south korea republic of", u"KR"},
    {u"korea north", u"KP"}, {u"democratic peoples republic of korea", u"KP"},
    {u"korea democratic peoples republic of", u"KP"},
    {u"czech republic", u"CZ"}, {u"burma", u"MM"}, {u"cote divoire", u"CI"}, {u"swaziland", u"SZ"},
    {u"north macedonia", u"MK"}, {u"macedonia north", u"MK"}, {u"republic of north macedonia", u"MK"},
    {u"cabo verde", u"CV"}, {u"east timor", u"TL"}, {u"holy see", u"VA"}, {u"vatican", u"VA"},
    {u"turkiye", u"TR"},
    {u"democratic republic of congo", u"CD"}, {u"democratic republic of the congo", u"CD"},
    {u"congo democratic republic", u"CD"}, {u"congo dr", u"CD"}, {u"dr congo", u"CD"}, {u"drc", u"CD"},
    {u"congo democratic republic of", u"CD"}, {u"congo democratic republic of the", u"CD"}, {u"zaire", u"CD"},
    {u"congo", u"CG"}, {u"republic of congo", u"CG"}, {u"republic of the congo", u"CG"},
    {u"congo republic", u"CG"}, {u"congo republic of", u"CG"}, {u"congo republic of the", u"CG"},
    {u"uae", u"AE"}, {u"emirates", u"AE"}, {u"abu dhabi", u"AE"}, {u"dubai", u"AE"},
    {u"bosnia", u"BA"}, {u"bosnia herzegovina", u"BA"}, {u"bosnia and herzegovina", u"BA"},
    {u"hong kong sar china", u"HK"}, {u"hong kong sar", u"HK"}, {u"macau", u"MO"}, {u"macao sar china", u"MO"},
    {u"iran islamic republic of", u"IR"}, {u"lao", u"LA"}, {u"lao pdr", u"LA"},
    {u"lao peoples democratic republic", u"LA"}, {u"syrian arab republic", u"SY"}, {u"viet nam", u"VN"},
    {u"moldova republic of", u"MD"}, {u"tanzania united republic of", u"TZ"},
    {u"bolivia plurinational state of", u"BO"}, {u"venezuela bolivarian republic of", u"VE"},
    {u"brunei darussalam", u"BN"}, {u"micronesia federated states of", u"FM"}, {u"palestine", u"PS"},
    {u"state of palestine", u"PS"}, {u"occupied palestinian territories", u"PS"},
    {u"taiwan province of china", u"TW"}, {u"chinese taipei", u"TW"}, {u"falkland islands malvinas", u"FK"},
    {u"saint kitts", u"KN"}, {u"saint vincent", u"VC"}, {u"saint vincent and the grenadines", u"VC"},
    {u"sao tome", u"ST"}, {u"trinidad", u"TT"}, {u"antigua", u"AG"}, {u"turks and caicos", u"TC"},
    {u"kyrgyz republic", u"KG"}, {u"slovak republic", u"SK"}, {u"cayman", u"KY"},
    {u"peoples republic of china", u"CN"}, {u"china peoples republic of", u"CN"}, {u"prc", u"CN"},
    {u"netherlands antilles", u"CW"}, {u"faeroe islands", u"FO"}, {u"us virgin islands", u"VI"},
    {u"virgin islands us", u"VI"}, {u"virgin islands british", u"VG"},
};

// Currencies that replaced the locale data's, newest last.
constexpr std::pair<QLocale::Territory, const char16_t*> Successors[] = {
    {QLocale::Croatia, u"EUR"},
    {QLocale::SierraLeone, u"SLE"},
    {QLocale::CuraSao, u"XCG"},
    {QLocale::SintMaarten, u"XCG"},
};

struct Index {
    QHash<QString, QLocale::Territory> byName;
    QHash<int, QStringList> currencies;

    Index()
    {
        for (int t = 1; t <= int(QLocale::LastTerritory); ++t) {
            const auto territory = static_cast<QLocale::Territory>(t);
            const QString code = QLocale::territoryToCode(territory);
            // Regions ("World", "Latin America") have numeric codes and no currency.
            if (code.size() != 2 || !code[0].isLetter())
                continue;
            QStringList codes;
            for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, territory)) {
                const QString iso = locale.currencySymbol(QLocale::CurrencyIsoCode);
                if (!iso.isEmpty()) {
                    codes.append(iso);
                    break;
                }
            }
            for (const auto& [from, successor] : Successors) {
                if (from == territory)
                    codes.append(QString::fromUtf16(successor));
            }
            currencies.insert(t, codes);
            byName.insert(normalized(QLocale::territoryToString(territory)), territory);
        }
        // The euro as a place of its own.
        byName.insert(u"euro area"_s, QLocale::EuropeanUnion);
        byName.insert(u"eurozone"_s, QLocale::EuropeanUnion);
        byName.insert(u"euro zone"_s, QLocale::EuropeanUnion);
        currencies.insert(int(QLocale::EuropeanUnion), {u"EUR"_s});
        for (const auto& [alias, code] : Aliases)
            byName.insert(QString::fromUtf16(alias), QLocale::codeToTerritory(QString::fromUtf16(code)));
    }
};

const Index& index()
{
    static const Index idx;
    return idx;
}

} // namespace

QLocale::Territory territoryOfName(const QString& name)
{
    const Index& idx = index();
    if (const auto it = idx.byName.constFind(normalized(name)); it != idx.byName.cend())
        return *it;
    QStringList tries;
    // "Korea (South)", "Korea, Republic of": the parts either way round, then the first alone.
    for (const auto& [open, close] : {std::pair{u'(', u')'}, std::pair{u',', u'\0'}}) {
        const qsizetype at = name.indexOf(open);
        if (at <= 0)
            continue;
        const qsizetype end = close == u'\0' ? name.size() : name.indexOf(close, at);
        const QString first = name.left(at);
        const QString second = name.mid(at + 1, (end < 0 ? name.size() : end) - at - 1);
        tries << first + u' ' + second << second + u' ' + first << first;
    }
    for (const QString& candidate : std::as_const(tries)) {
        const auto it = idx.byName.constFind(normalized(candidate));
        if (it != idx.byName.cend())
            return *it;
    }
    return QLocale::AnyTerritory;
}

QStringList currenciesOfTerritory(QLocale::Territory territory)
{
    return index().currencies.value(int(territory));
}

QString currencyOfCountry(const QString& name)
{
    return currenciesOfTerritory(territoryOfName(name)).value(0);
}

namespace {

// The per-euro files' currencies: the country the row is named by, in English
// as the table's names are matched, and the unit.
struct Named {
    const char16_t* code;
    const char* country;
    const char* unit;
};

const Named* namedCurrency(const QString& code)
{
    static constexpr Named Known[] = {
        {u"EUR", QT_TRANSLATE_NOOP("Territories", "Euro area"), QT_TRANSLATE_NOOP("Currencies", "Euro")},
        {u"USD", QT_TRANSLATE_NOOP("Territories", "United States"), QT_TRANSLATE_NOOP("Currencies", "Dollar")},
        {u"JPY", QT_TRANSLATE_NOOP("Territories", "Japan"), QT_TRANSLATE_NOOP("Currencies", "Yen")},
        {u"BGN", QT_TRANSLATE_NOOP("Territories", "Bulgaria"), QT_TRANSLATE_NOOP("Currencies", "Lev")},
        {u"CZK", QT_TRANSLATE_NOOP("Territories", "Czech Republic"), QT_TRANSLATE_NOOP("Currencies", "Koruna")},
        {u"DKK", QT_TRANSLATE_NOOP("Territories", "Denmark"), QT_TRANSLATE_NOOP("Currencies", "Krone")},
        {u"GBP", QT_TRANSLATE_NOOP("Territories", "Britain"), QT_TRANSLATE_NOOP("Currencies", "Pound")},
        {u"HUF", QT_TRANSLATE_NOOP("Territories", "Hungary"), QT_TRANSLATE_NOOP("Currencies", "Forint")},
        {u"PLN", QT_TRANSLATE_NOOP("Territories", "Poland"), QT_TRANSLATE_NOOP("Currencies", "Zloty")},
        {u"RON", QT_TRANSLATE_NOOP("Territories", "Romania"), QT_TRANSLATE_NOOP("Currencies", "Leu")},
        {u"SEK", QT_TRANSLATE_NOOP("Territories", "Sweden"), QT_TRANSLATE_NOOP("Currencies", "Krona")},
        {u"CHF", QT_TRANSLATE_NOOP("Territories", "Switzerland"), QT_TRANSLATE_NOOP("Currencies", "Franc")},
        {u"ISK", QT_TRANSLATE_NOOP("Territories", "Iceland"), QT_TRANSLATE_NOOP("Currencies", "Krona")},
        {u"NOK", QT_TRANSLATE_NOOP("Territories", "Norway"), QT_TRANSLATE_NOOP("Currencies", "Krone")},
        {u"HRK", QT_TRANSLATE_NOOP("Territories", "Croatia"), QT_TRANSLATE_NOOP("Currencies", "Kuna")},
        {u"RUB", QT_TRANSLATE_NOOP("Territories", "Russia"), QT_TRANSLATE_NOOP("Currencies", "Rouble")},
        {u"TRY", QT_TRANSLATE_NOOP("Territories", "Turkey"), QT_TRANSLATE_NOOP("Currencies", "Lira")},
        {u"AUD", QT_TRANSLATE_NOOP("Territories", "Australia"), QT_TRANSLATE_NOOP("Currencies", "Dollar")},
        {u"BRL", QT_TRANSLATE_NOOP("Territories", "Brazil"), QT_TRANSLATE_NOOP("Currencies", "Real")},
        {u"CAD", QT_TRANSLATE_NOOP("Territories", "Canada"), QT_TRANSLATE_NOOP("Currencies", "Dollar")},
        {u"CNY", QT_TRANSLATE_NOOP("Territories", "China"), QT_TRANSLATE_NOOP("Currencies", "Yuan")},
        {u"HKD", QT_TRANSLATE_NOOP("Territories", "Hong Kong"), QT_TRANSLATE_NOOP("Currencies", "Dollar")},
        {u"IDR", QT_TRANSLATE_NOOP("Territories", "Indonesia"), QT_TRANSLATE_NOOP("Currencies", "Rupiah")},
        {u"ILS", QT_TRANSLATE_NOOP("Territories", "Israel"), QT_TRANSLATE_NOOP("Currencies", "Shekel")},
        {u"INR", QT_TRANSLATE_NOOP("Territories", "India"), QT_TRANSLATE_NOOP("Currencies", "Rupee")},
        {u"KRW", QT_TRANSLATE_NOOP("Territories", "South Korea"), QT_TRANSLATE_NOOP("Currencies", "Won")},
        {u"MXN", QT_TRANSLATE_NOOP("Territories", "Mexico"), QT_TRANSLATE_NOOP("Currencies", "Peso")},
        {u"MYR", QT_TRANSLATE_NOOP("Territories", "Malaysia"), QT_TRANSLATE_NOOP("Currencies", "Ringgit")},
        {u"NZD", QT_TRANSLATE_NOOP("Territories", "New Zealand"), QT_TRANSLATE_NOOP("Currencies", "Dollar")},
        {u"PHP", QT_TRANSLATE_NOOP("Territories", "Philippines"), QT_TRANSLATE_NOOP("Currencies", "Peso")},
        {u"SGD", QT_TRANSLATE_NOOP("Territories", "Singapore"), QT_TRANSLATE_NOOP("Currencies", "Dollar")},
        {u"THB", QT_TRANSLATE_NOOP("Territories", "Thailand"), QT_TRANSLATE_NOOP("Currencies", "Baht")},
        {u"ZAR", QT_TRANSLATE_NOOP("Territories", "South Africa"), QT_TRANSLATE_NOOP("Currencies", "Rand")},
    };
    for (const Named& n : Known) {
        if (code == QStringView(n.code))
            return &n;
    }
    return nullptr;
}

} // namespace

EuroCurrency nameOfCurrency(const QString& code)
{
    // The unit is only shown, so it comes in the user's language.
    if (const Named* n = namedCurrency(code))
        return {QString::fromLatin1(n->country), QCoreApplication::translate("Currencies", n->unit)};
    // A currency the bank added later: the one country that uses it, if only one does.
    QLocale::Territory only = QLocale::AnyTerritory;
    int users = 0;
    const Index& idx = index();
    for (auto it = idx.currencies.cbegin(); it != idx.currencies.cend(); ++it) {
        if (it.key() != int(QLocale::EuropeanUnion) && it->contains(code)) {
            only = static_cast<QLocale::Territory>(it.key());
            ++users;
        }
    }
    if (users == 1)
        return {QLocale::territoryToString(only), code};
    return {code, code};
}

} // namespace ratefiles
