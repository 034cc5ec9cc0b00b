#!/usr/bin/env python3
"""Writes the download-shaped rate files the import tests read.

Run from this folder; the files are committed, so the tests need no Python.
The monthly files hold the same 173 rows in both formats, their rates invented
from the row number so the tests can recompute every one; the daily files hold
one day of plausible per-euro rates in both formats.
"""

MONTH = [
    ("Abu Dhabi", "Dirham", "AED"), ("Afghanistan", "Afghani", "AFN"), ("Albania", "Lek", "ALL"),
    ("Algeria", "Dinar", "DZD"), ("Angola", "Kwanza", "AOA"), ("Antigua", "E Caribbean Dollar", "XCD"),
    ("Argentina", "Peso ", "ARS"), ("Armenia", "Dram", "AMD"), ("Aruba", "Florin", "AWG"),
    ("Australia", "Dollar", "AUD"), ("Austria", "Euro", "EUR"), ("Azerbaijan", "Manat", "AZN"),
    ("Bahamas", "Dollar", "BSD"), ("Bahrain", "Dinar", "BHD"), ("Bangladesh", "Taka", "BDT"),
    ("Barbados", "Dollar", "BBD"), ("Belarus", "Rouble", "BYN"), ("Belgium", "Euro", "EUR"),
    ("Belize", "Dollar", "BZD"), ("Benin", "CFA Franc", "XOF"), ("Bermuda", "Dollar", "BMD"),
    ("Bhutan", "Ngultrum", "BTN"), ("Bolivia", "Boliviano", "BOB"), ("Bosnia-Herzegovina", "Marka", "BAM"),
    ("Botswana", "Pula", "BWP"), ("Brazil", "Real", "BRL"), ("Brunei", "Dollar", "BND"),
    ("Bulgaria", "Lev", "BGN"), ("Burkina Faso", "CFA Franc", "XOF"), ("Burundi", "Franc", "BIF"),
    ("Cambodia", "Riel", "KHR"), ("Cameroon", "CFA Franc", "XAF"), ("Canada", "Dollar", "CAD"),
    ("Cape Verde Islands", "Escudo", "CVE"), ("Cayman Islands", "Dollar", "KYD"),
    ("Central African Republic", "CFA Franc", "XAF"), ("Chad", "CFA Franc", "XAF"),
    ("Chile", "Peso ", "CLP"), ("China", "Yuan", "CNY"), ("Colombia", "Peso ", "COP"),
    ("Comoros", "Franc", "KMF"), ("Congo (DR)", "Franc", "CDF"), ("Costa Rica", "Colon", "CRC"),
    ("Croatia", "Kuna", "HRK"), ("Cuba", "Peso ", "CUP"), ("Cyprus", "Euro", "EUR"),
    ("Czech Republic", "Koruna", "CZK"), ("Denmark", "Krone", "DKK"), ("Djibouti", "Franc", "DJF"),
    ("Dominican Republic", "Peso ", "DOP"), ("Dubai", "Dirham", "AED"), ("Ecuador", "US Dollar", "USD"),
    ("Egypt", "Pound", "EGP"), ("El Salvador", "Colon", "SVC"), ("Equatorial Guinea", "CFA Franc", "XAF"),
    ("Eritrea", "Nakfa", "ERN"), ("Estonia", "Euro", "EUR"), ("Ethiopia", "Birr", "ETB"),
    ("Fiji", "Dollar", "FJD"), ("Finland", "Euro", "EUR"), ("France", "Euro", "EUR"),
    ("French Polynesia", "CFP Franc", "XPF"), ("Gabon", "CFA Franc", "XAF"), ("Gambia", "Dalasi", "GMD"),
    ("Georgia", "Lari", "GEL"), ("Germany", "Euro", "EUR"), ("Ghana", "Cedi", "GHS"),
    ("Greece", "Euro", "EUR"), ("Guatemala", "Quetzal", "GTQ"), ("Guinea", "Franc", "GNF"),
    ("Guyana", "Dollar", "GYD"), ("Haiti", "Gourde", "HTG"), ("Honduras", "Lempira", "HNL"),
    ("Hong Kong", "Dollar", "HKD"), ("Hungary", "Forint", "HUF"), ("Iceland", "Krona", "ISK"),
    ("India", "Rupee", "INR"), ("Indonesia", "Rupiah", "IDR"), ("Iran", "Rial", "IRR"),
    ("Iraq", "Dinar", "IQD"), ("Ireland", "Euro", "EUR"), ("Israel", "Shekel", "ILS"),
    ("Italy", "Euro", "EUR"), ("Ivory Coast", "CFA Franc", "XOF"), ("Jamaica", "Dollar", "JMD"),
    ("Japan", "Yen", "JPY"), ("Jordan", "Dinar", "JOD"), ("Kazakhstan", "Tenge", "KZT"),
    ("Kenya", "Schilling", "KES"), ("Korea, South", "Won", "KRW"), ("Kuwait", "Dinar", "KWD"),
    ("Kyrgyz Republic", "Som", "KGS"), ("Laos", "Kip", "LAK"), ("Latvia", "Euro", "EUR"),
    ("Lebanon", "Pound", "LBP"), ("Lesotho", "Loti", "LSL"), ("Liberia", "Dollar", "LRD"),
    ("Libya", "Dinar", "LYD"), ("Lithuania", "Euro", "EUR"), ("Luxembourg", "Euro", "EUR"),
    ("Macao", "Pataca", "MOP"), ("Madagascar", "Ariary", "MGA"), ("Malawi", "Kwacha", "MWK"),
    ("Malaysia", "Ringgit", "MYR"), ("Maldive Islands", "Rufiyaa", "MVR"), ("Mali", "CFA Franc", "XOF"),
    ("Malta", "Euro", "EUR"), ("Mauritania", "Ouguiya", "MRU"), ("Mauritius", "Rupee", "MUR"),
    ("Mexico", "Peso ", "MXN"), ("Moldova", "Leu", "MDL"), ("Mongolia", "Tugrik", "MNT"),
    ("Morocco", "Dirham", "MAD"), ("Mozambique", "Metical", "MZN"), ("Myanmar", "Kyat", "MMK"),
    ("Namibia", "Dollar", "NAD"), ("Nepal", "Rupee", "NPR"), ("Netherlands", "Euro", "EUR"),
    ("New Zealand", "Dollar", "NZD"), ("Nicaragua", "Cordoba Oro", "NIO"), ("Niger", "CFA Franc", "XOF"),
    ("Nigeria", "Naira", "NGN"), ("Norway", "Krone", "NOK"), ("Oman", "Rial", "OMR"),
    ("Pakistan", "Rupee", "PKR"), ("Panama", "Balboa", "PAB"), ("Papua New Guinea", "Kina", "PGK"),
    ("Paraguay", "Guarani", "PYG"), ("Peru", "Sol", "PEN"), ("Philippines", "Peso ", "PHP"),
    ("Poland", "Zloty", "PLN"), ("Portugal", "Euro", "EUR"), ("Qatar", "Riyal", "QAR"),
    ("Romania", "Leu", "RON"), ("Russian Federation", "Rouble", "RUB"), ("Rwanda", "Franc", "RWF"),
    ("Saudi Arabia", "Riyal", "SAR"), ("Senegal", "CFA Franc", "XOF"), ("Serbia", "Dinar", "RSD"),
    ("Seychelles", "Rupee", "SCR"), ("Sierra Leone", "Leone", "SLL"), ("Singapore", "Dollar", "SGD"),
    ("Slovakia", "Euro", "EUR"), ("Slovenia", "Euro", "EUR"), ("Solomon Islands", "Dollar", "SBD"),
    ("Somalia", "Schilling", "SOS"), ("South Africa", "Rand", "ZAR"), ("Spain", "Euro", "EUR"),
    ("Sri Lanka", "Rupee", "LKR"), ("St Lucia", "E Caribbean Dollar", "XCD"), ("Sudan", "Pound", "SDG"),
    ("Suriname", "Dollar", "SRD"), ("Sweden", "Krona", "SEK"), ("Switzerland", "Franc", "CHF"),
    ("Syria", "Pound", "SYP"), ("Taiwan", "Dollar", "TWD"), ("Tanzania", "Schilling", "TZS"),
    ("Thailand", "Baht", "THB"), ("Togo", "CFA Franc", "XOF"), ("Tonga Islands", "Pa Anga", "TOP"),
    ("Trinidad & Tobago", "Dollar", "TTD"), ("Tunisia", "Dinar", "TND"), ("Turkey", "Lira", "TRY"),
    ("Uganda", "Schilling", "UGX"), ("Ukraine", "Hryvnia", "UAH"), ("Uruguay", "Peso ", "UYU"),
    ("USA", "Dollar", "USD"), ("Uzbekistan", "Sum", "UZS"), ("Vanuatu", "Vatu", "VUV"),
    ("Venezuela", "Bolivar Soberano", "VES"), ("Vietnam", "Dong", "VND"), ("Yemen", "Rial", "YER"),
    ("Zambia", "Kwacha", "ZMW"),
]

# ISO 3166 codes for the XML's countryCode, where the country has one of its own.
TERRITORY = {"Abu Dhabi": "AE", "Dubai": "AE", "USA": "US", "Russian Federation": "RU",
             "Korea, South": "KR", "Czech Republic": "CZ", "Netherlands": "NL", "France": "FR"}


def month_rate(i):
    # Units per pound: spread over six orders of magnitude, four decimals.
    return round((1.0 + (i * 37 % 101) / 7.0) * 10 ** (i % 6 - 1), 4)


DAY = ["USD", "JPY", "BGN", "CZK", "DKK", "GBP", "HUF", "PLN", "RON", "SEK", "CHF", "ISK", "NOK",
       "HRK", "TRY", "AUD", "BRL", "CAD", "CNY", "HKD", "IDR", "ILS", "INR", "KRW", "MXN", "MYR",
       "NZD", "PHP", "SGD", "THB", "ZAR"]
DAY_RATES = {"USD": "1.0540", "JPY": "137.01", "BGN": "1.9558", "CZK": "24.463", "DKK": "7.4399",
             "GBP": "0.84365", "HUF": "380.85", "PLN": "4.6765", "RON": "4.9423", "SEK": "10.3205",
             "CHF": "1.0229", "ISK": "137.30", "NOK": "9.8215", "HRK": "7.5675", "TRY": "15.6172",
             "AUD": "1.4829", "BRL": "5.2031", "CAD": "1.3513", "CNY": "6.9784", "HKD": "8.2692",
             "IDR": "15276.20", "ILS": "3.5112", "INR": "80.6070", "KRW": "1331.35", "MXN": "21.4858",
             "MYR": "4.5925", "NZD": "1.6278", "PHP": "55.098", "SGD": "1.4562", "THB": "36.089",
             "ZAR": "16.5876"}


def csv_field(text):
    if any(c in text for c in ',"\r\n'):
        return '"' + text.replace('"', '""') + '"'
    return text


def write_month():
    lines = ["Country/Territories,Currency,Currency Code,Currency Units per \u00a31,Start date,End date"]
    for i, (country, unit, code) in enumerate(MONTH):
        # Some rows quoted whole, as spreadsheets do; trailing blanks as downloaded.
        name = csv_field(country) if i % 9 else '"' + country + '"'
        lines.append(f"{name},{unit},{code},{month_rate(i)} ,01/01/2020,31/01/2020")
    text = "\r\n".join(lines) + "\r\n\r\n"
    with open("uk-monthly-2020-01.csv", "wb") as f:
        f.write(b"\xef\xbb\xbf" + text.encode("utf-8"))

    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<exchangeRateMonthList Period="01/Jan/2020 to 31/Jan/2020">']
    for i, (country, unit, code) in enumerate(MONTH):
        esc = country.replace("&", "&amp;")
        out += ["  <exchangeRate>",
                f"    <countryName>{esc}</countryName>",
                f"    <countryCode>{TERRITORY.get(country, '')}</countryCode>",
                f"    <currencyName>{unit}</currencyName>",
                f"    <currencyCode>{code}</currencyCode>",
                f"    <rateNew>{month_rate(i)}</rateNew>",
                "  </exchangeRate>"]
    out.append("</exchangeRateMonthList>")
    with open("uk-monthly-2020-01.xml", "wb") as f:
        f.write(("\r\n".join(out) + "\r\n").encode("utf-8"))


def write_day():
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<gesmes:Envelope xmlns:gesmes="http://www.gesmes.org/xml/2002-08-01" '
           'xmlns="http://www.ecb.int/vocabulary/2002-08-01/eurofxref">',
           "\t<gesmes:subject>Reference rates</gesmes:subject>",
           "\t<gesmes:Sender>",
           "\t\t<gesmes:name>European Central Bank</gesmes:name>",
           "\t</gesmes:Sender>",
           "\t<Cube>",
           "\t\t<Cube time='2022-04-29'>"]
    out += [f"\t\t\t<Cube currency='{c}' rate='{DAY_RATES[c]}'/>" for c in DAY]
    out += ["\t\t</Cube>", "\t</Cube>", "</gesmes:Envelope>"]
    with open("ecb-daily-2022-04-29.xml", "w", newline="\n") as f:
        f.write("\n".join(out) + "\n")

    header = "Date, " + ", ".join(DAY) + ", "
    row = "29 April 2022, " + ", ".join(DAY_RATES[c] for c in DAY) + ", "
    with open("ecb-daily-2022-04-29.csv", "wb") as f:
        f.write((header + "\n" + row + "\n").encode("ascii"))


def write_month_spreadsheet_saves():
    """The monthly CSV as spreadsheets save it again: Excel's "Unicode Text"
    (UTF-16LE with its mark, tabs, CR LF, quoted only where a field needs it)
    and LibreOffice's CSV in a comma locale (semicolons, decimal commas, text
    cells quoted, no line end after the last row)."""
    def tab_field(text):
        return '"' + text.replace('"', '""') + '"' if any(c in text for c in '\t"\r\n') else text

    header = ["Country/Territories", "Currency", "Currency Code", "Currency Units per \u00a31", "Start date",
              "End date"]
    lines = ["\t".join(header)]
    for i, (country, unit, code) in enumerate(MONTH):
        row = [country, unit, code, str(month_rate(i)), "01/01/2020", "31/01/2020"]
        # A stray cell far right in one row gives every row a trailing tab.
        lines.append("\t".join(tab_field(f) for f in row) + "\t")
    text = "\r\n".join(lines) + "\r\n"
    with open("uk-monthly-2020-01-unicode-text.txt", "wb") as f:
        f.write(b"\xff\xfe" + text.encode("utf-16-le"))

    lines = [";".join('"' + h + '"' for h in header)]
    for i, (country, unit, code) in enumerate(MONTH):
        rate = str(month_rate(i)).replace(".", ",")
        lines.append(f'"{country}";"{unit}";"{code}";{rate};01/01/2020;31/01/2020')
    with open("uk-monthly-2020-01-semicolon.csv", "wb") as f:
        f.write("\n".join(lines).encode("utf-8"))


# What mdb-export writes for the older program's table: the header unquoted,
# text in double quotes, rates with every digit of the double (1.17 as
# 1.1699999999999999).
MDB_ROWS = [("Britain", "Pound", 1.0), ("France", "Euro", 1.17), ("Korea, South", "Won", 1520.1),
            ("Japan", "Yen", 188.5), ("United States", "Dollar", 1.27), ("Kuwait", "Dinar", 0.3857),
            ("Indonesia", "Rupiah", 18234.56), ("Zimbabwe", "Gold", 0.00001),
            ("Venezuela", "Bolivar", 12345678.9), ("Iran", "Rial", 52631.578947368)]


def write_mdb_export():
    lines = ["Country,Monetery Unit,Exchange Rate"]
    lines += ['"%s","%s",%.17g' % (country, unit, rate) for country, unit, rate in MDB_ROWS]
    with open("mdb-export-tblExchanges.csv", "wb") as f:
        f.write(("\n".join(lines) + "\n").encode("ascii"))


write_month()
write_day()
write_month_spreadsheet_saves()
write_mdb_export()
