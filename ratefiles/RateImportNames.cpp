#include "ratefiles/RateImportNames.h"

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

EuroCurrency nameOfCurrency(const QString& code)
{
    struct Named {
        const char16_t* code;
        const char16_t* country;
        const char16_t* unit;
    };
    static constexpr Named Known[] = {
        {u"EUR", u"Euro area", u"Euro"},        {u"USD", u"United States", u"Dollar"},
        {u"JPY", u"Japan", u"Yen"},             {u"BGN", u"Bulgaria", u"Lev"},
        {u"CZK", u"Czech Republic", u"Koruna"}, {u"DKK", u"Denmark", u"Krone"},
        {u"GBP", u"Britain", u"Pound"},         {u"HUF", u"Hungary", u"Forint"},
        {u"PLN", u"Poland", u"Zloty"},          {u"RON", u"Romania", u"Leu"},
        {u"SEK", u"Sweden", u"Krona"},          {u"CHF", u"Switzerland", u"Franc"},
        {u"ISK", u"Iceland", u"Krona"},         {u"NOK", u"Norway", u"Krone"},
        {u"HRK", u"Croatia", u"Kuna"},          {u"RUB", u"Russia", u"Rouble"},
        {u"TRY", u"Turkey", u"Lira"},           {u"AUD", u"Australia", u"Dollar"},
        {u"BRL", u"Brazil", u"Real"},           {u"CAD", u"Canada", u"Dollar"},
        {u"CNY", u"China", u"Yuan"},            {u"HKD", u"Hong Kong", u"Dollar"},
        {u"IDR", u"Indonesia", u"Rupiah"},      {u"ILS", u"Israel", u"Shekel"},
        {u"INR", u"India", u"Rupee"},           {u"KRW", u"South Korea", u"Won"},
        {u"MXN", u"Mexico", u"Peso"},           {u"MYR", u"Malaysia", u"Ringgit"},
        {u"NZD", u"New Zealand", u"Dollar"},    {u"PHP", u"Philippines", u"Peso"},
        {u"SGD", u"Singapore", u"Dollar"},      {u"THB", u"Thailand", u"Baht"},
        {u"ZAR", u"South Africa", u"Rand"},
    };
    for (const Named& n : Known) {
        if (code == QStringView(n.code))
            return {QString::fromUtf16(n.country), QString::fromUtf16(n.unit)};
    }
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
