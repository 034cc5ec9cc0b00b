<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>--day-report needs a day written YYYY-MM-DD.</source>
        <translation>--day-report wymaga dnia w postaci RRRR-MM-DD.</translation>
    </message>
    <message>
        <source>--day-report needs one of --pdf OUT.pdf and --csv OUT.csv.</source>
        <translation>--day-report wymaga jednej z opcji: --pdf OUT.pdf lub --csv OUT.csv.</translation>
    </message>
    <message>
        <source>%1: there is no such file.</source>
        <translation>%1: nie ma takiego pliku.</translation>
    </message>
    <message>
        <source>%1: the journal is whole.</source>
        <translation>%1: dziennik jest nienaruszony.</translation>
    </message>
    <message>
        <source>%1: entry %2 does not match what was recorded.</source>
        <translation>%1: wpis %2 nie zgadza się z tym, co zapisano.</translation>
    </message>
    <message>
        <source>Checks the journal of deals (or FILE) and names the first entry that does not match.</source>
        <translation>Sprawdza dziennik transakcji (lub plik FILE) i podaje pierwszy niezgodny wpis.</translation>
    </message>
    <message>
        <source>Writes the deals of DAY (YYYY-MM-DD) with --pdf or --csv.</source>
        <translation>Zapisuje transakcje z dnia DAY (RRRR-MM-DD) przy użyciu --pdf lub --csv.</translation>
    </message>
    <message>
        <source>The day&apos;s report as a PDF file.</source>
        <translation>Raport dnia jako plik PDF.</translation>
    </message>
    <message>
        <source>The day&apos;s report as a CSV file.</source>
        <translation>Raport dnia jako plik CSV.</translation>
    </message>
    <message>
        <source>Fetches and applies head office&apos;s rates once.</source>
        <translation>Jednorazowo pobiera i stosuje kursy z centrali.</translation>
    </message>
    <message>
        <source>Writes the program&apos;s own export of its rates to FILE.</source>
        <translation>Zapisuje kursy w formacie eksportu programu do pliku FILE.</translation>
    </message>
    <message>
        <source>The journal --check-journal checks.</source>
        <translation>Dziennik sprawdzany przez --check-journal.</translation>
    </message>
    <message>
        <source>--check-journal takes at most one file.</source>
        <translation>--check-journal przyjmuje najwyżej jeden plik.</translation>
    </message>
    <message>
        <source>Unexpected arguments: see --help.</source>
        <translation>Nieoczekiwane argumenty: zobacz --help.</translation>
    </message>
    <message>
        <source>--reprint-receipt needs a deal&apos;s number.</source>
        <translation>--reprint-receipt wymaga numeru transakcji.</translation>
    </message>
    <message>
        <source>The settings send receipts nowhere: choose a printer or a folder first.</source>
        <translation>Ustawienia nie kierują potwierdzeń nigdzie: najpierw wybierz drukarkę lub folder.</translation>
    </message>
    <message>
        <source>Entry %1 is not a deal.</source>
        <translation>Wpis %1 nie jest transakcją.</translation>
    </message>
    <message>
        <source>Issues deal N&apos;s receipt again, marked COPY, where the settings send receipts.</source>
        <translation>Drukuje ponownie potwierdzenie transakcji N, oznaczone KOPIA, tam, dokąd ustawienia kierują potwierdzenia.</translation>
    </message>
</context>
<context>
    <name>CommissionPage</name>
    <message>
        <source>Minimum commission (£)</source>
        <extracomment>The box of the Settings dialog, followed by a colon; the pound sign is the currency of the till.</extracomment>
        <translation>Minimalna prowizja (£)</translation>
    </message>
</context>
<context>
    <name>CountryList</name>
    <message>
        <source>&quot;%1&quot; is no longer in the rates table.</source>
        <translation>Kraju „%1” nie ma już w tabeli kursów.</translation>
    </message>
    <message>
        <source>The rate of &quot;%1&quot; could not be read.</source>
        <translation>Nie można odczytać kursu kraju „%1”.</translation>
    </message>
    <message>
        <source>There were errors while trying to fill the countries lists.</source>
        <translation>Podczas wypełniania list krajów wystąpiły błędy.</translation>
    </message>
</context>
<context>
    <name>Currencies</name>
    <message>
        <source>Euro</source>
        <translation>euro</translation>
    </message>
    <message>
        <source>Dollar</source>
        <translation>dolar</translation>
    </message>
    <message>
        <source>Yen</source>
        <translation>jen</translation>
    </message>
    <message>
        <source>Lev</source>
        <translation>lew</translation>
    </message>
    <message>
        <source>Koruna</source>
        <translation>korona</translation>
    </message>
    <message>
        <source>Krone</source>
        <translation>korona</translation>
    </message>
    <message>
        <source>Pound</source>
        <translation>funt</translation>
    </message>
    <message>
        <source>Forint</source>
        <translation>forint</translation>
    </message>
    <message>
        <source>Zloty</source>
        <translation>złoty</translation>
    </message>
    <message>
        <source>Leu</source>
        <translation>lej</translation>
    </message>
    <message>
        <source>Krona</source>
        <translation>korona</translation>
    </message>
    <message>
        <source>Franc</source>
        <translation>frank</translation>
    </message>
    <message>
        <source>Kuna</source>
        <translation>kuna</translation>
    </message>
    <message>
        <source>Rouble</source>
        <translation>rubel</translation>
    </message>
    <message>
        <source>Lira</source>
        <translation>lira</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>real</translation>
    </message>
    <message>
        <source>Yuan</source>
        <translation>juan</translation>
    </message>
    <message>
        <source>Rupiah</source>
        <translation>rupia</translation>
    </message>
    <message>
        <source>Shekel</source>
        <translation>szekel</translation>
    </message>
    <message>
        <source>Rupee</source>
        <translation>rupia</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>won</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>peso</translation>
    </message>
    <message>
        <source>Ringgit</source>
        <translation>ringgit</translation>
    </message>
    <message>
        <source>Baht</source>
        <translation>bat</translation>
    </message>
    <message>
        <source>Rand</source>
        <translation>rand</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>There was a problem connecting to the Exchange rates database.</source>
        <translation>Wystąpił problem z połączeniem z bazą danych kursów walut.</translation>
    </message>
    <message>
        <source>Check if the database is at the following location:</source>
        <extracomment>Followed by the rates file&apos;s path on a line of its own.</extracomment>
        <translation>Sprawdź, czy baza danych znajduje się w tym miejscu:</translation>
    </message>
    <message>
        <source>There was a problem launching Tallyvane.</source>
        <translation>Wystąpił problem podczas uruchamiania programu Tallyvane.</translation>
    </message>
    <message>
        <source>You can still run the software, but you may experience problems.</source>
        <translation>Można nadal korzystać z programu, ale mogą wystąpić problemy.</translation>
    </message>
    <message>
        <source>Would you like to continue loading Tallyvane?</source>
        <translation>Czy kontynuować uruchamianie programu Tallyvane?</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation (de, fr, es, pl, ...): dates take their month names from it.</extracomment>
        <translation>pl</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>A day as dates are written, in Qt&apos;s date format: d the day, MMMM the month&apos;s name, yyyy the year.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>DayReport</name>
    <message>
        <source>Deal</source>
        <translation>Transakcja</translation>
    </message>
    <message>
        <source>Void</source>
        <translation>Anulowanie</translation>
    </message>
    <message>
        <source>Opening float</source>
        <translation>Stan początkowy</translation>
    </message>
    <message>
        <source>Closing count</source>
        <translation>Stan końcowy</translation>
    </message>
    <message>
        <source>%1 %2 for %3 %4</source>
        <translation>%1 %2 za %3 %4</translation>
    </message>
    <message>
        <source>voids %1: %2</source>
        <translation>anuluje %1: %2</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Waluta</translation>
    </message>
    <message>
        <source>Bought</source>
        <translation>Kupiono</translation>
    </message>
    <message>
        <source>Sold</source>
        <translation>Sprzedano</translation>
    </message>
    <message>
        <source>Commission</source>
        <translation>Prowizja</translation>
    </message>
    <message>
        <source>Commission (£)</source>
        <translation>Prowizja (£)</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Oczekiwany</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Różnica</translation>
    </message>
    <message>
        <source>Deals of %1</source>
        <translation>Transakcje z dnia %1</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Wpisy</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Wpis</translation>
    </message>
    <message>
        <source>Till</source>
        <translation>Kasa</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
</context>
<context>
    <name>DealRecording</name>
    <message>
        <source>The deal was not recorded.</source>
        <translation>Transakcja nie została zapisana.</translation>
    </message>
    <message>
        <source>Deal %1 is recorded, but its receipt could not be issued.</source>
        <translation>Transakcja %1 została zapisana, ale nie udało się wydać potwierdzenia.</translation>
    </message>
    <message>
        <source>The journal holds no deal yet.</source>
        <translation>Dziennik nie zawiera jeszcze żadnej transakcji.</translation>
    </message>
    <message>
        <source>Reprint Receipt</source>
        <translation>Kopia potwierdzenia</translation>
    </message>
    <message>
        <source>Number of the deal:</source>
        <translation>Numer transakcji:</translation>
    </message>
    <message>
        <source>Entry %1 is not a deal.</source>
        <translation>Wpis %1 nie jest transakcją.</translation>
    </message>
    <message>
        <source>The receipt could not be issued.</source>
        <translation>Nie udało się wydać potwierdzenia.</translation>
    </message>
    <message>
        <source>The journal could not be read.</source>
        <translation>Nie można odczytać dziennika.</translation>
    </message>
    <message>
        <source>There is no deal to void.</source>
        <translation>Brak transakcji do anulowania.</translation>
    </message>
    <message>
        <source>Void deal %1: %2 %3 for %4 %5?</source>
        <translation>Anulować transakcję %1: %2 %3 za %4 %5?</translation>
    </message>
    <message>
        <source>Void Last Deal</source>
        <translation>Anulowanie ostatniej transakcji</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Powód:</translation>
    </message>
    <message>
        <source>A void needs a reason: nothing was recorded.</source>
        <translation>Anulowanie wymaga podania powodu: niczego nie zapisano.</translation>
    </message>
    <message>
        <source>Deal %1 is void (entry %2).</source>
        <translation>Transakcja %1 została anulowana (wpis %2).</translation>
    </message>
    <message>
        <source>Nothing was voided.</source>
        <translation>Niczego nie anulowano.</translation>
    </message>
    <message>
        <source>Entry %1 of the journal does not match what was recorded: it, or the entry before it, has been changed outside Tallyvane. New deals are still recorded.</source>
        <translation>Wpis %1 dziennika nie zgadza się z tym, co zapisano: on lub wpis przed nim został zmieniony poza programem Tallyvane. Nowe transakcje są nadal zapisywane.</translation>
    </message>
    <message>
        <source>The journal is whole: every entry matches what was recorded.</source>
        <translation>Dziennik jest nienaruszony: każdy wpis zgadza się z tym, co zapisano.</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>The amount is not a number.</source>
        <translation>Kwota nie jest liczbą.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert From country is not a number.</source>
        <translation>Kurs w sekcji „Przelicz z” nie jest liczbą.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert To country is not a number.</source>
        <translation>Kurs w sekcji „Przelicz na” nie jest liczbą.</translation>
    </message>
    <message>
        <source>The commission is not a number.</source>
        <translation>Prowizja nie jest liczbą.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>Kwota jest za duża, aby ją przeliczyć.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert From country is too large to use.</source>
        <translation>Kurs w sekcji „Przelicz z” jest za duży, aby go użyć.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert To country is too large to use.</source>
        <translation>Kurs w sekcji „Przelicz na” jest za duży, aby go użyć.</translation>
    </message>
    <message>
        <source>The commission is too large to use.</source>
        <translation>Prowizja jest za duża, aby ją zastosować.</translation>
    </message>
    <message>
        <source>The result is too large to show.</source>
        <translation>Wynik jest za duży, aby go wyświetlić.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert From country is 0, so the amount cannot be converted.</source>
        <translation>Kurs w sekcji „Przelicz z” wynosi 0, więc nie można przeliczyć kwoty.</translation>
    </message>
    <message>
        <source>The exchange could not be calculated.</source>
        <translation>Nie udało się obliczyć wymiany.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Save Error</source>
        <translation>Błąd zapisu</translation>
    </message>
    <message>
        <source>ERROR #: %1</source>
        <extracomment>The first of two lines closing a failure report; %1 is the error&apos;s number.</extracomment>
        <translation>BŁĄD nr: %1</translation>
    </message>
    <message>
        <source>ERROR  :%1</source>
        <extracomment>The second line, under &quot;ERROR #: %1&quot;; %1 is the error&apos;s description.</extracomment>
        <translation>BŁĄD   :%1</translation>
    </message>
    <message>
        <source>If the problem persists, please report the following details to Fernwick Software:</source>
        <translation>Jeśli problem będzie się powtarzał, prześlij poniższe informacje firmie Fernwick Software:</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Wystąpił nieoczekiwany błąd.</translation>
    </message>
</context>
<context>
    <name>Feed</name>
    <message>
        <source>The head office key cannot be read: it must be the key line of a minisign public key file.</source>
        <translation>Nie można odczytać klucza centrali: musi to być wiersz klucza z pliku klucza publicznego minisign.</translation>
    </message>
    <message>
        <source>The signature file is not a minisign signature.</source>
        <translation>Plik podpisu nie jest podpisem minisign.</translation>
    </message>
    <message>
        <source>The signature is of a kind this program does not know.</source>
        <translation>Podpis jest rodzaju, którego ten program nie zna.</translation>
    </message>
    <message>
        <source>The file is signed with another key than the head office key.</source>
        <translation>Plik jest podpisany innym kluczem niż klucz centrali.</translation>
    </message>
    <message>
        <source>The file does not match its signature: it was changed or cut short.</source>
        <translation>Plik nie zgadza się ze swoim podpisem: został zmieniony lub ucięty.</translation>
    </message>
    <message>
        <source>The signature&apos;s trusted comment was changed.</source>
        <translation>Zaufany komentarz podpisu został zmieniony.</translation>
    </message>
    <message>
        <source>The signature carries no time, so the file cannot be told from an older one.</source>
        <translation>Podpis nie zawiera czasu, więc nie można odróżnić pliku od starszego.</translation>
    </message>
    <message>
        <source>%1 sent the program on to %2, which is not https: rates are fetched over https only.</source>
        <translation>Adres %1 przekierował program pod adres %2 bez https: kursy są pobierane tylko przez https.</translation>
    </message>
    <message>
        <source>%1 is not an https address: rates are fetched over https only.</source>
        <translation>%1 nie jest adresem https: kursy są pobierane tylko przez https.</translation>
    </message>
    <message>
        <source>%1 cannot be reached: there is no network connection, or the server cannot be found or does not answer.</source>
        <translation>Nie można połączyć się z %1: brak połączenia z siecią albo serwer nie został znaleziony lub nie odpowiada.</translation>
    </message>
    <message>
        <source>%1 is not on the server (it may not be published yet).</source>
        <translation>Pliku %1 nie ma na serwerze (może nie został jeszcze opublikowany).</translation>
    </message>
    <message>
        <source>The server of %1 cannot prove who it is: its certificate does not verify.</source>
        <translation>Serwer %1 nie może potwierdzić swojej tożsamości: jego certyfikat nie przechodzi weryfikacji.</translation>
    </message>
    <message>
        <source>%1 is larger than a rate file may be (%2); nothing was kept.</source>
        <translation>Plik %1 jest większy, niż może być plik kursów (%2); niczego nie zachowano.</translation>
    </message>
    <message>
        <source>%1 did not come in time: the server stopped answering.</source>
        <translation>Plik %1 nie dotarł na czas: serwer przestał odpowiadać.</translation>
    </message>
    <message>
        <source>The download of %1 was cancelled.</source>
        <translation>Pobieranie pliku %1 zostało anulowane.</translation>
    </message>
    <message>
        <source>The server refused %1 (HTTP status %2).</source>
        <translation>Serwer odmówił wydania pliku %1 (status HTTP %2).</translation>
    </message>
    <message>
        <source>The download of %1 was cut short.</source>
        <translation>Pobieranie pliku %1 zostało przerwane.</translation>
    </message>
    <message>
        <source>%1 cannot be fetched: %2</source>
        <translation>Nie można pobrać pliku %1: %2</translation>
    </message>
    <message>
        <source>The head office settings in %1 cannot be used: %2</source>
        <extracomment>%1 is a file, %2 what is wrong in it.</extracomment>
        <translation>Nie można użyć ustawień centrali z pliku %1: %2</translation>
    </message>
    <message>
        <source>line %1 is not of the form Name=value.</source>
        <translation>wiersz %1 nie ma postaci Nazwa=wartość.</translation>
    </message>
    <message>
        <source>line %1 gives %2 a second time.</source>
        <translation>wiersz %1 podaje %2 po raz drugi.</translation>
    </message>
    <message>
        <source>it has no Url.</source>
        <translation>brak w nim wpisu Url.</translation>
    </message>
    <message>
        <source>it has no PublicKey.</source>
        <translation>brak w nim wpisu PublicKey.</translation>
    </message>
    <message>
        <source>the Url %1 is not the https address of a file.</source>
        <translation>Url %1 nie jest adresem https pliku.</translation>
    </message>
    <message>
        <source>the PublicKey is not the key line of a minisign public key file.</source>
        <translation>PublicKey nie jest wierszem klucza z pliku klucza publicznego minisign.</translation>
    </message>
    <message>
        <source>IntervalMinutes must be a whole number of minutes from 1 to %1.</source>
        <translation>IntervalMinutes musi być liczbą całkowitą minut od 1 do %1.</translation>
    </message>
    <message>
        <source>users other than root may change it; it must belong to root and be writable by root only.</source>
        <translation>mogą go zmieniać użytkownicy inni niż root; musi należeć do roota i tylko root może mieć prawo zapisu.</translation>
    </message>
    <message>
        <source>it is too large for a settings file.</source>
        <translation>jest za duży jak na plik ustawień.</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>nie jest plikiem.</translation>
    </message>
    <message>
        <source>it cannot be read (%1).</source>
        <translation>nie można go odczytać (%1).</translation>
    </message>
    <message>
        <source>%1 was refused: %2</source>
        <extracomment>%1 is the head office file&apos;s address, %2 what is wrong with its signature.</extracomment>
        <translation>Odrzucono %1: %2</translation>
    </message>
    <message>
        <source>%1 was refused: it was signed on %2, not after the rates applied last (signed on %3).</source>
        <translation>Odrzucono %1: został podpisany %2, a nie po ostatnio zastosowanych kursach (podpisanych %3).</translation>
    </message>
    <message>
        <source>%1 was refused: it is a rate file, but not an export of this program.</source>
        <translation>Odrzucono %1: to plik kursów, ale nie eksport z tego programu.</translation>
    </message>
    <message>
        <source>%1 holds the rates applied last (signed on %2).</source>
        <translation>Plik %1 zawiera ostatnio zastosowane kursy (podpisane %2).</translation>
    </message>
    <message>
        <source>Rates from head office: none applied yet.</source>
        <translation>Kursy z centrali: jeszcze nie zastosowano żadnych.</translation>
    </message>
    <message>
        <source>Rates from head office, applied %1.</source>
        <extracomment>%1 is when head office&apos;s rates were applied.</extracomment>
        <translation>Kursy z centrali zastosowane %1.</translation>
    </message>
    <message>
        <source>Rates from head office, applied %1; the rates are of %2.</source>
        <extracomment>%1 is when head office&apos;s rates were applied, %2 the newest date of those rates.</extracomment>
        <translation>Kursy z centrali zastosowane %1; kursy z dnia %2.</translation>
    </message>
    <message>
        <source>%1 Nothing was changed: %2</source>
        <extracomment>%1 says what was applied, %2 why the last file was not.</extracomment>
        <translation>%1 Niczego nie zmieniono: %2</translation>
    </message>
    <message>
        <source>The rates database is not open.</source>
        <translation>Baza danych kursów nie jest otwarta.</translation>
    </message>
</context>
<context>
    <name>FeedCommands</name>
    <message>
        <source>No head office is configured: there is no %1 and no head office in the user&apos;s settings.</source>
        <translation>Nie skonfigurowano centrali: brak pliku %1 i brak centrali w ustawieniach użytkownika.</translation>
    </message>
</context>
<context>
    <name>FigureLabel</name>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader says for a result: its name, then the figure.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>HeadOffice</name>
    <message>
        <source>Rates on this till come from head office</source>
        <translation>Kursy w tej kasie pochodzą z centrali</translation>
    </message>
</context>
<context>
    <name>ImportExport</name>
    <message>
        <source>%1 has nothing to change: the rates table already holds every rate it gives.</source>
        <translation>Plik %1 niczego nie zmienia: tabela kursów zawiera już wszystkie podane w nim kursy.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the file were left out:</source>
        <extracomment>Followed by the rows, one a line.</extracomment>
        <translation>
            <numerusform>Pominięto %n wiersz pliku:</numerusform>
            <numerusform>Pominięto %n wiersze pliku:</numerusform>
            <numerusform>Pominięto %n wierszy pliku:</numerusform>
        </translation>
    </message>
    <message>
        <source>The rates database is not open, so no rates can be imported.</source>
        <translation>Baza danych kursów nie jest otwarta, więc nie można importować kursów.</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>Niczego nie zaimportowano.</translation>
    </message>
    <message numerus="yes">
        <source>%n rates imported from %1.</source>
        <translation>
            <numerusform>Zaimportowano %n kurs z pliku %1.</numerusform>
            <numerusform>Zaimportowano %n kursy z pliku %1.</numerusform>
            <numerusform>Zaimportowano %n kursów z pliku %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The rates database is not open, so there are no rates to export.</source>
        <translation>Baza danych kursów nie jest otwarta, więc nie ma kursów do eksportu.</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters: keep the patterns in brackets and the ;; between filters.</extracomment>
        <translation>Pliki CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>Plik %1 już istnieje.</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation>Czy zastąpić ten plik?</translation>
    </message>
    <message>
        <source>The rates were not exported.</source>
        <translation>Nie wyeksportowano kursów.</translation>
    </message>
    <message numerus="yes">
        <source>%n rates exported to %1.</source>
        <translation>
            <numerusform>Wyeksportowano %n kurs do pliku %1.</numerusform>
            <numerusform>Wyeksportowano %n kursy do pliku %1.</numerusform>
            <numerusform>Wyeksportowano %n kursów do pliku %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Rates</source>
        <translation>Import kursów</translation>
    </message>
    <message>
        <source>Export Rates</source>
        <translation>Eksport kursów</translation>
    </message>
    <message>
        <source>The rates could not be imported.</source>
        <translation>Nie udało się zaimportować kursów.</translation>
    </message>
    <message>
        <source>The rates could not be exported.</source>
        <translation>Nie udało się wyeksportować kursów.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>… i jeszcze %n wiersz.</numerusform>
            <numerusform>… i jeszcze %n wiersze.</numerusform>
            <numerusform>… i jeszcze %n wierszy.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rate files (*.csv *.txt *.xml);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters: keep the patterns in brackets and the ;; between filters.</extracomment>
        <translation>Pliki kursów (*.csv *.txt *.xml);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>the folder %1 allows no new file: %2</source>
        <translation>folder %1 nie pozwala utworzyć nowego pliku: %2</translation>
    </message>
    <message>
        <source>Could not create it: %1.</source>
        <translation>Nie można go utworzyć: %1.</translation>
    </message>
    <message>
        <source>The journal entry needs %1.</source>
        <translation>Wpis dziennika musi zawierać %1.</translation>
    </message>
    <message>
        <source>the country the money comes from</source>
        <translation>kraj, z którego pochodzą pieniądze</translation>
    </message>
    <message>
        <source>the country the money goes to</source>
        <translation>kraj, do którego trafiają pieniądze</translation>
    </message>
    <message>
        <source>A deal&apos;s rates must be numbers above 0.</source>
        <translation>Kursy transakcji muszą być liczbami większymi od 0.</translation>
    </message>
    <message>
        <source>A deal&apos;s total must be the exchanged amount less the commission.</source>
        <translation>Suma transakcji musi być równa kwocie po przeliczeniu pomniejszonej o prowizję.</translation>
    </message>
    <message>
        <source>a currency</source>
        <translation>walutę</translation>
    </message>
    <message>
        <source>A float or a count cannot be below 0.</source>
        <translation>Stan kasy ani wynik liczenia nie może być mniejszy od 0.</translation>
    </message>
    <message>
        <source>Entry %1 is not a deal in the journal: there is nothing to void.</source>
        <translation>Wpis %1 nie jest transakcją w dzienniku: nie ma czego anulować.</translation>
    </message>
    <message>
        <source>Deal %1 was already voided by entry %2.</source>
        <translation>Transakcja %1 została już anulowana wpisem %2.</translation>
    </message>
    <message>
        <source>%1 is not a deal journal.</source>
        <translation>%1 nie jest dziennikiem transakcji.</translation>
    </message>
    <message>
        <source>The encryption of the journal could not be set up.</source>
        <translation>Nie udało się skonfigurować szyfrowania dziennika.</translation>
    </message>
    <message>
        <source>Could not record in the journal %1: %2</source>
        <translation>Nie można zapisać w dzienniku %1: %2</translation>
    </message>
    <message>
        <source>the reason for the void</source>
        <translation>powód anulowania</translation>
    </message>
    <message>
        <source>%1 is not a deal journal, or it is damaged.</source>
        <translation>%1 nie jest dziennikiem transakcji albo jest uszkodzony.</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Tallyvane; this version cannot use it.</source>
        <translation>Plik %1 został zapisany przez nowszą wersję programu Tallyvane; ta wersja nie może go użyć.</translation>
    </message>
</context>
<context>
    <name>Maintenance</name>
    <message>
        <source>You may not change the rates on this computer: ask the administrator to add you to the group %1, then log in again.</source>
        <translation>Brak uprawnień do zmiany kursów na tym komputerze: poproś administratora o dodanie konta do grupy %1, a potem zaloguj się ponownie.</translation>
    </message>
    <message>
        <source>The rates cannot be changed because %1 is on a read-only disk: ask the administrator to make it writable.</source>
        <translation>Nie można zmieniać kursów, ponieważ %1 znajduje się na dysku tylko do odczytu: poproś administratora o umożliwienie zapisu.</translation>
    </message>
    <message>
        <source>The rates cannot be changed because the rates file %1 is read-only for you: ask the administrator to let you write to it.</source>
        <translation>Nie można zmieniać kursów, ponieważ plik kursów %1 jest dla tego konta tylko do odczytu: poproś administratora o prawo zapisu do tego pliku.</translation>
    </message>
    <message>
        <source>The rates cannot be changed because the folder %1, where the rates file keeps its journal while saving, is read-only for you: ask the administrator to let you write to it.</source>
        <translation>Nie można zmieniać kursów, ponieważ folder %1, w którym podczas zapisywania powstaje dziennik pliku kursów, jest dla tego konta tylko do odczytu: poproś administratora o prawo zapisu w tym folderze.</translation>
    </message>
    <message>
        <source>There was a problem saving the data.</source>
        <translation>Wystąpił problem podczas zapisywania danych.</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Write it with digits and at most one %1 as the decimal mark, for example %2.</source>
        <extracomment>%1 the decimal mark in quotation marks, %2 a number written so.</extracomment>
        <translation>Zapisz liczbę cyframi, z najwyżej jednym znakiem %1 jako separatorem dziesiętnym, na przykład %2.</translation>
    </message>
    <message>
        <source>Write it with digits and at most one %1 as the decimal mark, without a point or any thousands separator, for example %2.</source>
        <extracomment>%1 the decimal mark in quotation marks, %2 a number written so. A point could be a thousands separator, so it is never read.</extracomment>
        <translation>Zapisz liczbę cyframi, z najwyżej jednym znakiem %1 jako separatorem dziesiętnym, bez kropki i bez separatorów tysięcy, na przykład %2.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The PDF could not be made.</source>
        <translation>Nie udało się utworzyć pliku PDF.</translation>
    </message>
    <message>
        <source>The printer could not take the job.</source>
        <translation>Drukarka nie przyjęła zadania.</translation>
    </message>
</context>
<context>
    <name>RateAge</name>
    <message>
        <source>Rate of no known date: old</source>
        <translation>Kurs z nieznanego dnia: nieaktualny</translation>
    </message>
    <message>
        <source>Rate of no known date</source>
        <translation>Kurs z nieznanego dnia</translation>
    </message>
    <message>
        <source>Rate of %1: old</source>
        <extracomment>%1 is the rate&apos;s date, as &quot;1 Dec 2026&quot;.</extracomment>
        <translation>Kurs z dnia %1: nieaktualny</translation>
    </message>
    <message>
        <source>Rate of %1</source>
        <translation>Kurs z dnia %1</translation>
    </message>
    <message>
        <source>The rate of %1 has no date, so it cannot be shown to be current. Update the rates before recording this deal.</source>
        <extracomment>%1 is a country.</extracomment>
        <translation>Kurs kraju %1 nie ma daty, więc nie można wykazać, że jest aktualny. Zaktualizuj kursy przed zapisaniem tej transakcji.</translation>
    </message>
    <message numerus="yes">
        <source>The rate of %1 is of %2, older than %n days. Update the rates before recording this deal.</source>
        <extracomment>%1 is a country, %2 the rate&apos;s date; %n the days after which rates are old.</extracomment>
        <translation>
            <numerusform>Kurs kraju %1 jest z dnia %2, czyli starszy niż %n dzień. Zaktualizuj kursy przed zapisaniem tej transakcji.</numerusform>
            <numerusform>Kurs kraju %1 jest z dnia %2, czyli starszy niż %n dni. Zaktualizuj kursy przed zapisaniem tej transakcji.</numerusform>
            <numerusform>Kurs kraju %1 jest z dnia %2, czyli starszy niż %n dni. Zaktualizuj kursy przed zapisaniem tej transakcji.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RateBoard</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A currency on the rate board: its unit, then its ISO code (&quot;Euro (EUR)&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Commission %1 %</source>
        <extracomment>The rate board&apos;s commission line; %1 is the percentage.</extracomment>
        <translation>Prowizja %1%</translation>
    </message>
    <message>
        <source>Commission %1 %, minimum £%2</source>
        <extracomment>The rate board&apos;s commission line; %1 is the percentage, %2 the least commission in pounds.</extracomment>
        <translation>Prowizja %1%, minimum £%2</translation>
    </message>
    <message>
        <source>Oldest rate: %1</source>
        <extracomment>Below the rate board: the day of the oldest rate it shows.</extracomment>
        <translation>Najstarszy kurs: %1</translation>
    </message>
</context>
<context>
    <name>RateExport</name>
    <message>
        <source>Tallyvane rates %1.csv</source>
        <extracomment>The name the export offers; %1 the day as YYYY-MM-DD, which sorts by date.</extracomment>
        <translation>Kursy Tallyvane %1.csv</translation>
    </message>
</context>
<context>
    <name>RateFileWords</name>
    <message>
        <source>UK monthly rates (CSV)</source>
        <translation>Brytyjskie kursy miesięczne (CSV)</translation>
    </message>
    <message>
        <source>UK monthly rates (XML)</source>
        <translation>Brytyjskie kursy miesięczne (XML)</translation>
    </message>
    <message>
        <source>European Central Bank daily rates (XML)</source>
        <translation>Kursy dzienne Europejskiego Banku Centralnego (XML)</translation>
    </message>
    <message>
        <source>European Central Bank daily rates (CSV)</source>
        <translation>Kursy dzienne Europejskiego Banku Centralnego (CSV)</translation>
    </message>
    <message>
        <source>Tallyvane export</source>
        <extracomment>A file written by the program&apos;s File &gt; Export Rates.</extracomment>
        <translation>Eksport z programu Tallyvane</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A period of days, from the first to the last.</extracomment>
        <translation>%1 – %2</translation>
    </message>
</context>
<context>
    <name>RateFiles</name>
    <message>
        <source>%1 is empty.</source>
        <translation>Plik %1 jest pusty.</translation>
    </message>
    <message>
        <source>is not a rate file this program knows: its first line is neither the header of published rates nor that of an export.</source>
        <extracomment>Said of the file; follows &quot;&lt;file&gt;, line &lt;number&gt;:&quot;.</extracomment>
        <translation>to nie jest plik kursów znany temu programowi: pierwszy wiersz nie jest ani nagłówkiem publikowanych kursów, ani nagłówkiem eksportu.</translation>
    </message>
    <message>
        <source>the XML is malformed: %1</source>
        <translation>XML jest niepoprawny: %1</translation>
    </message>
    <message>
        <source>%1 is not a rate file this program knows: its XML starts with &lt;%2&gt;.</source>
        <translation>Plik %1 nie jest plikiem kursów znanym temu programowi: jego XML zaczyna się od &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>%1 is too large for a rate file (over %2 MB).</source>
        <translation>Plik %1 jest za duży jak na plik kursów (ponad %2 MB).</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, wiersz %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 nie jest plikiem.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Nie można odczytać pliku %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>Plik %1 nie jest plikiem tekstowym.</translation>
    </message>
    <message>
        <source>%1 is not a text file (it holds binary data).</source>
        <translation>Plik %1 nie jest plikiem tekstowym (zawiera dane binarne).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A rate&apos;s column or element in the file, then what is wrong with the rate.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the rate is missing.</source>
        <translation>brak kursu.</translation>
    </message>
    <message>
        <source>the rate %1 is too large.</source>
        <translation>kurs %1 jest za duży.</translation>
    </message>
    <message>
        <source>the rate %1 is not a number.</source>
        <translation>kurs %1 nie jest liczbą.</translation>
    </message>
    <message>
        <source>the rate %1 is too small.</source>
        <translation>kurs %1 jest za mały.</translation>
    </message>
    <message>
        <source>the rate %1 is not above 0.</source>
        <translation>kurs %1 nie jest większy od 0.</translation>
    </message>
    <message>
        <source>the rate %1 has a decimal comma where the rate on line %2 has a decimal point: thousands separators are not read, so the rates of a file use one decimal mark.</source>
        <translation>kurs %1 ma przecinek dziesiętny, a kurs w wierszu %2 ma kropkę dziesiętną: separatory tysięcy nie są odczytywane, więc wszystkie kursy w pliku muszą mieć ten sam znak dziesiętny.</translation>
    </message>
    <message>
        <source>the rate %1 has a decimal point where the rate on line %2 has a decimal comma: thousands separators are not read, so the rates of a file use one decimal mark.</source>
        <translation>kurs %1 ma kropkę dziesiętną, a kurs w wierszu %2 ma przecinek dziesiętny: separatory tysięcy nie są odczytywane, więc wszystkie kursy w pliku muszą mieć ten sam znak dziesiętny.</translation>
    </message>
    <message>
        <source>expected %1 fields, found %2 (separated by semicolons, as on the first line).</source>
        <translation>liczba pól: %2 zamiast %1 (rozdzielanych średnikami, jak w pierwszym wierszu).</translation>
    </message>
    <message>
        <source>expected %1 fields, found %2 (separated by tabs, as on the first line).</source>
        <translation>liczba pól: %2 zamiast %1 (rozdzielanych tabulatorami, jak w pierwszym wierszu).</translation>
    </message>
    <message>
        <source>expected %1 fields, found %2 (separated by commas, as on the first line).</source>
        <translation>liczba pól: %2 zamiast %1 (rozdzielanych przecinkami, jak w pierwszym wierszu).</translation>
    </message>
    <message>
        <source>holds more than %1 rates, more than this program takes from one file (a published file holds a few hundred).</source>
        <extracomment>Said of the rate file; follows &quot;&lt;file&gt;, line &lt;number&gt;:&quot;.</extracomment>
        <translation>liczba kursów w pliku przekracza %1, a tylu ten program nie przyjmuje z jednego pliku (publikowany plik zawiera ich kilkaset).</translation>
    </message>
    <message>
        <source>the country %1 is listed twice (first on line %2).</source>
        <translation>kraj %1 występuje dwukrotnie (po raz pierwszy w wierszu %2).</translation>
    </message>
    <message>
        <source>the country is missing.</source>
        <translation>brak nazwy kraju.</translation>
    </message>
    <message>
        <source>the start date %1 is not a date.</source>
        <translation>data początkowa %1 nie jest prawidłową datą.</translation>
    </message>
    <message>
        <source>the end date %1 is not a date.</source>
        <translation>data końcowa %1 nie jest prawidłową datą.</translation>
    </message>
    <message>
        <source>%1 holds no rates.</source>
        <translation>Plik %1 nie zawiera kursów.</translation>
    </message>
    <message>
        <source>the period %1 is not two dates.</source>
        <translation>okres %1 nie składa się z dwóch dat.</translation>
    </message>
    <message>
        <source>the period&apos;s first day %1 is not a date.</source>
        <translation>początek okresu %1 nie jest prawidłową datą.</translation>
    </message>
    <message>
        <source>the period&apos;s last day %1 is not a date.</source>
        <translation>koniec okresu %1 nie jest prawidłową datą.</translation>
    </message>
    <message>
        <source>element &lt;exchangeRate&gt; has no &lt;countryName&gt;.</source>
        <translation>element &lt;exchangeRate&gt; nie ma elementu &lt;countryName&gt;.</translation>
    </message>
    <message>
        <source>element &lt;exchangeRate&gt; of %1 has no &lt;rateNew&gt;.</source>
        <translation>element &lt;exchangeRate&gt; kraju %1 nie ma elementu &lt;rateNew&gt;.</translation>
    </message>
    <message>
        <source>element &lt;rateNew&gt; of %1</source>
        <translation>element &lt;rateNew&gt; kraju %1</translation>
    </message>
    <message>
        <source>the XML is malformed or cut short: %1</source>
        <translation>XML jest niepoprawny lub urwany: %1</translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;: time %1 is not a date.</source>
        <translation>element &lt;Cube&gt;: wartość time %1 nie jest prawidłową datą.</translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;: %1 is not a currency code.</source>
        <translation>element &lt;Cube&gt;: %1 nie jest kodem waluty.</translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;: a rate without a date.</source>
        <translation>element &lt;Cube&gt;: kurs bez daty.</translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;</source>
        <translation>element &lt;Cube&gt;</translation>
    </message>
    <message>
        <source>column %1 of the header: %2 is not a currency code.</source>
        <translation>kolumna %1 nagłówka: %2 nie jest kodem waluty.</translation>
    </message>
    <message>
        <source>column %1 of the header: the currency %2 is listed twice.</source>
        <translation>kolumna %1 nagłówka: waluta %2 występuje dwukrotnie.</translation>
    </message>
    <message>
        <source>the day %1 is not a date.</source>
        <translation>dzień %1 nie jest prawidłową datą.</translation>
    </message>
    <message>
        <source>the currency %1 is listed twice for %2.</source>
        <translation>waluta %1 występuje dwukrotnie w dniu %2.</translation>
    </message>
    <message>
        <source>has no rate for the pound (GBP) on %1, so its rates per euro cannot be turned into rates per pound.</source>
        <extracomment>Said of the rate file; follows &quot;&lt;file&gt;, line &lt;number&gt;:&quot;. %1 is a day.</extracomment>
        <translation>brak kursu funta (GBP) z dnia %1, więc kursów wobec euro nie można przeliczyć na kursy wobec funta.</translation>
    </message>
    <message>
        <source>the rate of %1 cannot be turned into a rate per pound.</source>
        <translation>kursu %1 nie można przeliczyć na kurs wobec funta.</translation>
    </message>
    <message>
        <source>the date %1 is not a date (YYYY-MM-DD, or DD.MM.YYYY as spreadsheets save it).</source>
        <translation>data %1 nie jest prawidłową datą (RRRR-MM-DD lub DD.MM.RRRR, jak zapisują ją arkusze kalkulacyjne).</translation>
    </message>
    <message>
        <source>a quote inside an unquoted field.</source>
        <translation>cudzysłów wewnątrz pola bez cudzysłowów.</translation>
    </message>
    <message>
        <source>a quoted field is not closed.</source>
        <translation>pole w cudzysłowie nie jest zamknięte.</translation>
    </message>
    <message>
        <source>text after a closing quote.</source>
        <translation>tekst po cudzysłowie zamykającym.</translation>
    </message>
    <message>
        <source>more than %1 fields on one line.</source>
        <translation>liczba pól w jednym wierszu przekracza %1.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>Nie można zapisać pliku %1: %2</translation>
    </message>
    <message>
        <source>it is not an ordinary file (a device, a pipe or the like)</source>
        <translation>to nie jest zwykły plik (lecz na przykład urządzenie lub potok)</translation>
    </message>
    <message>
        <source>%1 (its folder allows no new file beside it, and the old file is never written over in place)</source>
        <extracomment>Why a file could not be written; %1 is the system&apos;s reason.</extracomment>
        <translation>%1 (w tym folderze nie można utworzyć nowego pliku obok starego, a stary plik nigdy nie jest nadpisywany w miejscu)</translation>
    </message>
    <message>
        <source>the new file is in place, but its folder could not be synced: %1</source>
        <translation>nowy plik jest już na miejscu, ale nie udało się zsynchronizować jego folderu: %1</translation>
    </message>
    <message>
        <source>the rate %1 holds both a point and a comma: thousands separators are not read, so write the rate without them.</source>
        <translation>kurs %1 zawiera zarówno kropkę, jak i przecinek: separatory tysięcy nie są odczytywane, więc zapisz kurs bez nich.</translation>
    </message>
    <message>
        <source>Line %1: the country name %2 is longer than %3 characters.</source>
        <translation>Wiersz %1: nazwa kraju %2 przekracza limit %3 znaków.</translation>
    </message>
    <message>
        <source>the figure %1 holds both &apos;.&apos; and &apos;,&apos;: thousands separators are not read, so write it without them.</source>
        <translation>liczba %1 zawiera zarówno „.”, jak i „,”: separatory tysięcy nie są odczytywane, więc zapisz ją bez nich.</translation>
    </message>
    <message>
        <source>the %1 %2 is not a currency code (three capital letters).</source>
        <extracomment>%1 the column&apos;s name, %2 the value.</extracomment>
        <translation>wartość %2 w kolumnie %1 nie jest kodem waluty (trzy wielkie litery).</translation>
    </message>
    <message>
        <source>the %1 %2 is below 0.</source>
        <translation>wartość %2 w kolumnie %1 jest mniejsza od 0.</translation>
    </message>
    <message>
        <source>the %1 %2 is not below %3.</source>
        <extracomment>%3 the limit, such as 100.</extracomment>
        <translation>wartość %2 w kolumnie %1 nie jest mniejsza od %3.</translation>
    </message>
    <message>
        <source>the %1 %2 is above %3.</source>
        <translation>wartość %2 w kolumnie %1 jest większa od %3.</translation>
    </message>
    <message>
        <source>the %1 %2 has more than two decimals.</source>
        <translation>wartość %2 w kolumnie %1 ma więcej niż dwa miejsca po przecinku.</translation>
    </message>
    <message>
        <source>the %1 %2 is not a number.</source>
        <translation>wartość %2 w kolumnie %1 nie jest liczbą.</translation>
    </message>
    <message>
        <source>the minimum commission %1 is not an amount from 0 to %2 with at most two decimals.</source>
        <translation>minimalna prowizja %1 nie jest kwotą od 0 do %2 z najwyżej dwoma miejscami po przecinku.</translation>
    </message>
    <message>
        <source>the first line names no layout of this program&apos;s export: it should read %1 and a number, such as %2.</source>
        <translation>pierwszy wiersz nie podaje układu eksportu tego programu: powinien zawierać %1 i liczbę, na przykład %2.</translation>
    </message>
    <message>
        <source>%1 was exported by a newer version of Tallyvane (layout %2), which this version cannot read. Export the rates again with this version&apos;s layout, or use the newer version.</source>
        <translation>Plik %1 został wyeksportowany przez nowszą wersję programu Tallyvane (układ %2), którego ta wersja nie potrafi odczytać. Wyeksportuj kursy ponownie w układzie tej wersji albo użyj nowszej wersji.</translation>
    </message>
    <message>
        <source>expected a setting (its name and its value) or the header of the rates.</source>
        <translation>oczekiwano ustawienia (jego nazwy i wartości) albo nagłówka kursów.</translation>
    </message>
    <message>
        <source>the setting %1 is not one this program knows.</source>
        <translation>ten program nie zna ustawienia %1.</translation>
    </message>
    <message>
        <source>%1 ends before the header of its rates.</source>
        <translation>Plik %1 kończy się przed nagłówkiem kursów.</translation>
    </message>
</context>
<context>
    <name>RateTerms</name>
    <message>
        <source>Currency &amp;Code:</source>
        <extracomment>The ISO 4217 code of the currency, such as EUR; it may be left empty.</extracomment>
        <translation>&amp;Kod waluty:</translation>
    </message>
    <message>
        <source>&amp;Buy Margin (%):</source>
        <extracomment>The percent of the value a customer gives up when the bureau buys this currency.</extracomment>
        <translation>Marża k&amp;upna (%):</translation>
    </message>
    <message>
        <source>Se&amp;ll Margin (%):</source>
        <extracomment>The percent of the value a customer gives up when the bureau sells this currency.</extracomment>
        <translation>Marża s&amp;przedaży (%):</translation>
    </message>
    <message>
        <source>S&amp;mallest Note:</source>
        <extracomment>The smallest amount of this currency the till pays out; 0 for any amount.</extracomment>
        <translation>&amp;Najmniejszy banknot:</translation>
    </message>
</context>
<context>
    <name>Receipt</name>
    <message>
        <source>Receipt</source>
        <translation>Potwierdzenie nr</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIA</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Z:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Na:</translation>
    </message>
    <message>
        <source>Given:</source>
        <translation>Przyjęto:</translation>
    </message>
    <message>
        <source>We buy at:</source>
        <translation>Kupujemy po:</translation>
    </message>
    <message>
        <source>We sell at:</source>
        <translation>Sprzedajemy po:</translation>
    </message>
    <message>
        <source>Exchanged:</source>
        <translation>Równowartość:</translation>
    </message>
    <message>
        <source>Commission (minimum):</source>
        <translation>Prowizja (minimalna):</translation>
    </message>
    <message>
        <source>Commission:</source>
        <translation>Prowizja:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Do wypłaty:</translation>
    </message>
    <message>
        <source>Paid out:</source>
        <translation>W banknotach:</translation>
    </message>
    <message>
        <source>Paid in pounds:</source>
        <translation>Reszta w funtach:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Godzina:</translation>
    </message>
    <message>
        <source>Till:</source>
        <translation>Kasa:</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Klient:</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation>Na tym komputerze nie skonfigurowano drukarki.</translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>The %1 box is empty.</source>
        <extracomment>%1 the caption of a box in the rate dialogs, without its colon.</extracomment>
        <translation>Pole „%1” jest puste.</translation>
    </message>
    <message>
        <source>The %1 box holds a null character, which cannot be stored.</source>
        <translation>Pole „%1” zawiera znak null, którego nie można zapisać.</translation>
    </message>
    <message>
        <source>The %1 box holds %2 characters; it can hold at most %3.</source>
        <extracomment>%1 the box&apos;s caption, %2 how many characters it holds, %3 the most it may hold.</extracomment>
        <translation>Pole „%1” zawiera za dużo znaków (%2); może zawierać najwyżej %3.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is not a number.</source>
        <extracomment>%1 the value as typed, in quotation marks; %2 the box&apos;s caption. A hint how to write a number follows.</extracomment>
        <translation>Wartość %1 w polu „%2” nie jest liczbą.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is too large: the largest rate the table can hold is about %3.</source>
        <extracomment>%3 the limit, a number such as 1.8E+308 in the user&apos;s number form.</extracomment>
        <translation>Wartość %1 w polu „%2” jest za wysoka: najwyższy kurs, jaki może zawierać tabela, to około %3.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is not above 0: a rate must be greater than 0.</source>
        <translation>Wartość %1 w polu „%2” nie jest większa od 0: kurs musi być większy od 0.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is too small: the smallest rate the table can hold is about %3.</source>
        <extracomment>%3 the limit, a number such as 2.2E-308 in the user&apos;s number form.</extracomment>
        <translation>Wartość %1 w polu „%2” jest za niska: najniższy kurs, jaki może zawierać tabela, to około %3.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is not a date: a date is written YYYY-MM-DD.</source>
        <translation>Wartość %1 w polu „%2” nie jest datą: datę zapisuje się jako RRRR-MM-DD.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is not a currency code: a code is three capital letters, or nothing.</source>
        <translation>Wartość %1 w polu „%2” nie jest kodem waluty: kod to trzy wielkie litery albo nic.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is below 0.</source>
        <translation>Wartość %1 w polu „%2” jest mniejsza od 0.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is too large: it must be below %3.</source>
        <extracomment>%3 the limit, such as 100, in the user&apos;s number form.</extracomment>
        <translation>Wartość %1 w polu „%2” jest za wysoka: musi być mniejsza od %3.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is too large: it can be at most %3.</source>
        <extracomment>%3 the limit, such as 1000000000, in the user&apos;s number form.</extracomment>
        <translation>Wartość %1 w polu „%2” jest za wysoka: może wynosić najwyżej %3.</translation>
    </message>
    <message>
        <source>%1 in the %2 box has more than two decimals.</source>
        <translation>Wartość %1 w polu „%2” ma więcej niż dwa miejsca po przecinku.</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The database is locked by another program. Try again when it has finished.</source>
        <translation>Baza danych jest zablokowana przez inny program. Spróbuj ponownie, gdy zakończy on pracę.</translation>
    </message>
    <message>
        <source>The database is read-only: changes cannot be saved.</source>
        <translation>Baza danych jest tylko do odczytu: nie można zapisać zmian.</translation>
    </message>
    <message>
        <source>The disk holding the database is full: changes cannot be saved.</source>
        <translation>Dysk z bazą danych jest pełny: nie można zapisać zmian.</translation>
    </message>
    <message>
        <source>The database file could not be read or written (disk error).</source>
        <translation>Nie można odczytać ani zapisać pliku bazy danych (błąd dysku).</translation>
    </message>
    <message>
        <source>The database file is damaged.</source>
        <translation>Plik bazy danych jest uszkodzony.</translation>
    </message>
    <message>
        <source>The database file could not be opened.</source>
        <translation>Nie można otworzyć pliku bazy danych.</translation>
    </message>
    <message>
        <source>Access to the database was refused.</source>
        <translation>Odmówiono dostępu do bazy danych.</translation>
    </message>
    <message>
        <source>There is not enough memory for the database operation.</source>
        <translation>Za mało pamięci, aby wykonać operację na bazie danych.</translation>
    </message>
    <message>
        <source>The change breaks a rule of the rates table (%1).</source>
        <translation>Zmiana narusza regułę tabeli kursów (%1).</translation>
    </message>
    <message>
        <source>The database reported an error: %1.</source>
        <translation>Baza danych zgłosiła błąd: %1.</translation>
    </message>
    <message>
        <source>Could not find file %1.</source>
        <translation>Nie znaleziono pliku %1.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a rates database.</source>
        <translation>%1 to folder, a nie baza danych kursów.</translation>
    </message>
    <message>
        <source>%1 is not a rates database.</source>
        <translation>%1 nie jest bazą danych kursów.</translation>
    </message>
    <message>
        <source>%1 is empty: it is not a rates database.</source>
        <translation>Plik %1 jest pusty: to nie jest baza danych kursów.</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>Could not open %1: the encryption could not be set up.</source>
        <translation>Nie można otworzyć %1: nie udało się przygotować szyfrowania.</translation>
    </message>
    <message>
        <source>%1 is not a rates database, or it is damaged.</source>
        <translation>Plik %1 nie jest bazą danych kursów albo jest uszkodzony.</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Nieprawidłowe użycie wartości Null</translation>
    </message>
    <message>
        <source>The table &apos;tblExchanges&apos; cannot be used: %1</source>
        <translation>Nie można użyć tabeli „tblExchanges”: %1</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>BOF lub EOF ma wartość True albo bieżący rekord został usunięty. Żądana operacja wymaga bieżącego rekordu.</translation>
    </message>
    <message>
        <source>The row could not be found for updating; another program may have deleted it.</source>
        <translation>Nie znaleziono wiersza do zaktualizowania; mógł go usunąć inny program.</translation>
    </message>
    <message>
        <source>The rates database has a layout this version of Tallyvane does not know (%1). It is left as it is.</source>
        <translation>Baza danych kursów ma układ nieznany tej wersji programu Tallyvane (%1). Pozostawiono ją bez zmian.</translation>
    </message>
    <message>
        <source>The rates database was made by a newer version of Tallyvane (layout %1; this version knows layouts up to %2). It is left as it is: use the newer version, or a copy of the file made for this one.</source>
        <translation>Baza danych kursów została utworzona przez nowszą wersję programu Tallyvane (układ %1; ta wersja zna układy do %2). Pozostawiono ją bez zmian: użyj nowszej wersji albo kopii pliku przygotowanej dla tej wersji.</translation>
    </message>
    <message>
        <source>Cannot find the table &apos;tblExchanges&apos; in the database.</source>
        <translation>Nie znaleziono tabeli „tblExchanges” w bazie danych.</translation>
    </message>
    <message>
        <source>The table &apos;tblExchanges&apos; has no field named &apos;%1&apos;.</source>
        <translation>Tabela „tblExchanges” nie ma pola o nazwie „%1”.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Operacja jest niedozwolona, gdy obiekt jest zamknięty.</translation>
    </message>
    <message>
        <source>The change would give two rows the same country; each country can appear only once.</source>
        <translation>Po tej zmianie dwa wiersze miałyby ten sam kraj; każdy kraj może występować tylko raz.</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal.</source>
        <translation>Nie można znaleźć w kolekcji elementu o żądanej nazwie lub numerze porządkowym.</translation>
    </message>
    <message>
        <source>The new row has no value for %1.</source>
        <translation>Nowy wiersz nie ma wartości w polu „%1”.</translation>
    </message>
    <message>
        <source>The country %1 is already in the rates table; each country can appear only once.</source>
        <translation>Kraj %1 jest już w tabeli kursów; każdy kraj może występować tylko raz.</translation>
    </message>
    <message>
        <source>The country %1 is named twice in the rates to write; each country can appear only once.</source>
        <translation>Kraj %1 występuje dwukrotnie wśród kursów do zapisania; każdy kraj może występować tylko raz.</translation>
    </message>
    <message>
        <source>The country %1 is not in the rates table, so its rate cannot be changed.</source>
        <translation>Kraju %1 nie ma w tabeli kursów, więc nie można zmienić jego kursu.</translation>
    </message>
    <message>
        <source>The rates database holds &apos;%1&apos; as the minimum commission, which is not an amount from 0 to %2.</source>
        <translation>Baza danych kursów zawiera „%1” jako minimalną prowizję, co nie jest kwotą od 0 do %2.</translation>
    </message>
    <message>
        <source>The minimum commission must be an amount from 0 to %1.</source>
        <translation>Minimalna prowizja musi być kwotą od 0 do %1.</translation>
    </message>
</context>
<context>
    <name>Territories</name>
    <message>
        <source>Euro area</source>
        <translation>Strefa euro</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Stany Zjednoczone</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japonia</translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <translation>Bułgaria</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Czechy</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Dania</translation>
    </message>
    <message>
        <source>Britain</source>
        <translation>Wielka Brytania</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation>Węgry</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polska</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Rumunia</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Szwecja</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Szwajcaria</translation>
    </message>
    <message>
        <source>Iceland</source>
        <translation>Islandia</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norwegia</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Chorwacja</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Rosja</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turcja</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brazylia</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Chiny</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>Hongkong</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>Indonezja</translation>
    </message>
    <message>
        <source>Israel</source>
        <translation>Izrael</translation>
    </message>
    <message>
        <source>India</source>
        <translation>Indie</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Korea Południowa</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation>Meksyk</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malezja</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nowa Zelandia</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>Filipiny</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapur</translation>
    </message>
    <message>
        <source>Thailand</source>
        <translation>Tajlandia</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Republika Południowej Afryki</translation>
    </message>
</context>
<context>
    <name>UpdateRates</name>
    <message>
        <source>The rates database is not open, so no rates can be updated.</source>
        <translation>Baza danych kursów nie jest otwarta, więc nie można zaktualizować kursów.</translation>
    </message>
    <message>
        <source>Update Rates</source>
        <translation>Aktualizacja kursów</translation>
    </message>
    <message>
        <source>The rates could not be updated.</source>
        <translation>Nie udało się zaktualizować kursów.</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>&apos;%1&apos;</source>
        <extracomment>A value or a file name quoted inside a message: the language&apos;s own quotation marks around %1.</extracomment>
        <translation>„%1”</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Kraj</translation>
    </message>
    <message>
        <source>Denomination</source>
        <translation>Waluta</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Date of the rate</source>
        <extracomment>The day a rate was set, kept with it.</extracomment>
        <translation>Data kursu</translation>
    </message>
    <message>
        <source>Currency Code</source>
        <translation>Kod waluty</translation>
    </message>
    <message>
        <source>Buy Margin (%)</source>
        <translation>Marża kupna (%)</translation>
    </message>
    <message>
        <source>Sell Margin (%)</source>
        <translation>Marża sprzedaży (%)</translation>
    </message>
    <message>
        <source>Smallest Note</source>
        <translation>Najmniejszy banknot</translation>
    </message>
</context>
<context>
    <name>calculator::frmDayDeals</name>
    <message>
        <source>Day&apos;s Deals</source>
        <translation>Transakcje dnia</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Dzień:</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Wpis</translation>
    </message>
    <message>
        <source>Till</source>
        <translation>Kasa</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>C&amp;urrency:</source>
        <translation>&amp;Waluta:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Kwota:</translation>
    </message>
    <message>
        <source>Record &amp;Float</source>
        <translation>Stan &amp;początkowy</translation>
    </message>
    <message>
        <source>Record C&amp;ount</source>
        <translation>&amp;Stan końcowy</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Dr&amp;ukuj…</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>Zapisz &amp;jako PDF…</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Eksportuj CSV…</translation>
    </message>
    <message>
        <source>The journal could not be read.</source>
        <translation>Nie można odczytać dziennika.</translation>
    </message>
    <message>
        <source>Nothing was recorded.</source>
        <translation>Niczego nie zapisano.</translation>
    </message>
    <message>
        <source>Choose a currency and type an amount of 0 or more with at most two decimals.</source>
        <translation>Wybierz walutę i wpisz kwotę równą 0 lub większą, z najwyżej dwoma miejscami po przecinku.</translation>
    </message>
    <message>
        <source>A float or a count is recorded for today only.</source>
        <translation>Stan początkowy i końcowy można zapisać tylko dla dnia dzisiejszego.</translation>
    </message>
    <message>
        <source>Deals of %1</source>
        <translation>Transakcje z dnia %1</translation>
    </message>
    <message>
        <source>The day was not printed.</source>
        <translation>Nie wydrukowano zestawienia dnia.</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>Plik %1 już istnieje.</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation>Czy zastąpić ten plik?</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Zapisz jako PDF</translation>
    </message>
    <message>
        <source>Deals %1.pdf</source>
        <translation>Transakcje %1.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF was not saved.</source>
        <translation>Nie zapisano pliku PDF.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Eksport CSV</translation>
    </message>
    <message>
        <source>Deals %1.csv</source>
        <translation>Transakcje %1.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>The CSV file was not saved.</source>
        <translation>Nie zapisano pliku CSV.</translation>
    </message>
    <message>
        <source>&amp;Void Deal...</source>
        <translation>A&amp;nuluj transakcję…</translation>
    </message>
    <message>
        <source>Void Deal</source>
        <translation>Anuluj transakcję</translation>
    </message>
</context>
<context>
    <name>calculator::frmRecordDeal</name>
    <message>
        <source>Record Deal</source>
        <translation>Zapis transakcji</translation>
    </message>
    <message>
        <source>C&amp;ustomer reference (optional):</source>
        <translation>&amp;Oznaczenie klienta (opcjonalnie):</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>Zapi&amp;sz</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tallyvane</source>
        <translation>O programie Tallyvane</translation>
    </message>
    <message>
        <source>Tallyvane logo</source>
        <translation>Logo programu Tallyvane</translation>
    </message>
    <message>
        <source>Tallyvane is freeware. Please send your comments and suggestions to</source>
        <translation>Tallyvane jest programem bezpłatnym. Uwagi i sugestie prosimy przesyłać na adres</translation>
    </message>
    <message>
        <source>Write to Fernwick Software</source>
        <translation>Napisz do firmy Fernwick Software</translation>
    </message>
    <message>
        <source>Writes an e-mail to Fernwick Software</source>
        <translation>Tworzy wiadomość e-mail do firmy Fernwick Software</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmAddExchange</name>
    <message>
        <source>Add Exchange Rate</source>
        <translation>Dodawanie kursu waluty</translation>
    </message>
    <message>
        <source>To add anew exchange rate, simply fill in the fields below and press the &apos;Save&apos; button.</source>
        <translation>Aby dodać nowy kurs, wypełnij poniższe pola i naciśnij przycisk „Zapisz”.</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Kraj:</translation>
    </message>
    <message>
        <source>Denomination:</source>
        <translation>Waluta:</translation>
    </message>
    <message>
        <source>Exchange Rate:</source>
        <translation>Kurs:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Saves the new country and its rate.</extracomment>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>&amp;Finished</source>
        <translation>&amp;Gotowe</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>Kraj „%1” już istnieje.</translation>
    </message>
    <message>
        <source>The New Exchange Rate has been saved successfuly</source>
        <translation>Nowy kurs został zapisany.</translation>
    </message>
    <message>
        <source>The new rate you typed has not been saved. Do you want to save it before closing?</source>
        <translation>Wpisany nowy kurs nie został zapisany. Czy zapisać go przed zamknięciem?</translation>
    </message>
</context>
<context>
    <name>frmBoard</name>
    <message>
        <source>Rate Board</source>
        <translation>Tablica kursów</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>Kursy walut</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Kraj</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Waluta</translation>
    </message>
    <message>
        <source>We buy</source>
        <translation>Kupujemy</translation>
    </message>
    <message>
        <source>We sell</source>
        <translation>Sprzedajemy</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj…</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>Pełny &amp;ekran</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>The rate board could not read the rates.</source>
        <translation>Nie udało się odczytać kursów do tablicy kursów.</translation>
    </message>
    <message>
        <source>The rate board was not printed.</source>
        <translation>Nie wydrukowano tablicy kursów.</translation>
    </message>
</context>
<context>
    <name>frmDelete</name>
    <message>
        <source>Delete Exchange Rates</source>
        <translation>Usuwanie kursów walut</translation>
    </message>
    <message>
        <source>Select the country you wish to delete and then press the delete button.</source>
        <translation>Wybierz kraj do usunięcia i naciśnij przycisk „Usuń”.</translation>
    </message>
    <message>
        <source>Countries</source>
        <translation>Kraje</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Kraj:</translation>
    </message>
    <message>
        <source>Denomination:</source>
        <translation>Waluta:</translation>
    </message>
    <message>
        <source>Exchange Rate:</source>
        <translation>Kurs:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Finished</source>
        <translation>&amp;Gotowe</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>The button that saves the changed rate (Edit Rates) or deletes it (Delete Rates).</extracomment>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>The list of countries could not be read.</source>
        <translation>Nie można odczytać listy krajów.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Czy na pewno usunąć kraj „%1”?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Potwierdzenie usunięcia</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the rates table, so nothing was deleted.</source>
        <translation>Kraju „%1” nie ma w tabeli kursów, więc niczego nie usunięto.</translation>
    </message>
    <message>
        <source>Choose the country to change from the list first. Nothing was saved.</source>
        <translation>Najpierw wybierz z listy kraj do zmiany. Niczego nie zapisano.</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>Kraj „%1” już istnieje.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in the rates table, so nothing was saved.</source>
        <translation>Kraju „%1” nie ma już w tabeli kursów, więc niczego nie zapisano.</translation>
    </message>
    <message>
        <source>Edit Exchange Rates</source>
        <translation>Edycja kursów walut</translation>
    </message>
    <message>
        <source>Select the country you wish to edit, change its details and then click Save.</source>
        <translation>Wybierz kraj do edycji, zmień jego dane i naciśnij przycisk „Zapisz”.</translation>
    </message>
</context>
<context>
    <name>frmHUD</name>
    <message>
        <source>Convert From:</source>
        <translation>Przelicz z:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Kraj:</translation>
    </message>
    <message>
        <source>Convert From: country</source>
        <translation>Przelicz z: kraj</translation>
    </message>
    <message>
        <source>Denomination:</source>
        <translation>Waluta:</translation>
    </message>
    <message>
        <source>Convert From: denomination</source>
        <translation>Przelicz z: waluta</translation>
    </message>
    <message>
        <source>Exchange Rate:</source>
        <translation>Kurs:</translation>
    </message>
    <message>
        <source>Convert From: exchange rate</source>
        <translation>Przelicz z: kurs</translation>
    </message>
    <message>
        <source>Convert To:</source>
        <translation>Przelicz na:</translation>
    </message>
    <message>
        <source>Convert To: country</source>
        <translation>Przelicz na: kraj</translation>
    </message>
    <message>
        <source>Convert To: denomination</source>
        <translation>Przelicz na: waluta</translation>
    </message>
    <message>
        <source>Convert To: exchange rate</source>
        <translation>Przelicz na: kurs</translation>
    </message>
    <message>
        <source>Currency:</source>
        <extracomment>The group of the amount to convert and the commission.</extracomment>
        <translation>Wymiana:</translation>
    </message>
    <message>
        <source>Convert:</source>
        <translation>Kwota:</translation>
    </message>
    <message>
        <source>Amount to convert</source>
        <translation>Kwota do przeliczenia</translation>
    </message>
    <message>
        <source>Commission:</source>
        <translation>Prowizja:</translation>
    </message>
    <message>
        <source>Commission percentage</source>
        <translation>Prowizja w procentach</translation>
    </message>
    <message>
        <source>Totals:</source>
        <translation>Rozliczenie:</translation>
    </message>
    <message>
        <source>Exchange:</source>
        <translation>Równowartość:</translation>
    </message>
    <message>
        <source>Exchange</source>
        <extracomment>The exchanged amount, before the commission is taken off.</extracomment>
        <translation>Równowartość</translation>
    </message>
    <message>
        <source>Commission</source>
        <translation>Prowizja</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Do wypłaty:</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>What remains once the commission is taken off.</extracomment>
        <translation>Do wypłaty</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>The window&apos;s access keys (its labels, buttons and the menu bar&apos;s titles) must all differ.</extracomment>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Oblicz</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Exchange &amp;Rates</source>
        <translation>&amp;Kursy walut</translation>
    </message>
    <message>
        <source>&amp;Add Rates</source>
        <translation>&amp;Dodaj kursy</translation>
    </message>
    <message>
        <source>&amp;Edit Rates</source>
        <translation>&amp;Edytuj kursy</translation>
    </message>
    <message>
        <source>&amp;Delete Rates</source>
        <translation>&amp;Usuń kursy</translation>
    </message>
    <message>
        <source>&amp;Import Rates...</source>
        <translation>&amp;Importuj kursy…</translation>
    </message>
    <message>
        <source>Ex&amp;port Rates...</source>
        <translation>E&amp;ksportuj kursy…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;About Tallyvane</source>
        <translation>&amp;O programie Tallyvane</translation>
    </message>
    <message>
        <source>&amp;Visit Fernwick</source>
        <extracomment>Opens the maker&apos;s web site; Fernwick is the maker&apos;s name.</extracomment>
        <translation>Odwiedź &amp;Fernwick</translation>
    </message>
    <message>
        <source>Visit &amp;Community</source>
        <translation>Odwiedź &amp;społeczność</translation>
    </message>
    <message>
        <source>&amp;E-Mail</source>
        <translation>&amp;E-mail</translation>
    </message>
    <message>
        <source>&amp;Inland Revenue (UK)</source>
        <extracomment>Opens the UK tax authority&apos;s page of exchange rates.</extracomment>
        <translation>&amp;Brytyjska administracja skarbowa (HMRC)</translation>
    </message>
    <message>
        <source>Rate of %1</source>
        <extracomment>The tooltip of a rate box: the day the rate was set.</extracomment>
        <translation>Kurs z dnia %1</translation>
    </message>
    <message>
        <source>Paid out:</source>
        <extracomment>The part of the total the till pays in notes of the currency.</extracomment>
        <translation>W banknotach:</translation>
    </message>
    <message>
        <source>Paid out</source>
        <translation>W banknotach</translation>
    </message>
    <message>
        <source>Paid in pounds:</source>
        <extracomment>The rest of the total, smaller than the smallest note, paid in pounds.</extracomment>
        <translation>Reszta w funtach:</translation>
    </message>
    <message>
        <source>Paid in pounds</source>
        <translation>Reszta w funtach</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <extracomment>Opens the till&apos;s settings, such as the minimum commission.</extracomment>
        <translation>Us&amp;tawienia…</translation>
    </message>
    <message>
        <source>We buy at %1</source>
        <extracomment>Under the Convert From rate box: the rate at which the bureau buys that currency, its margin taken.</extracomment>
        <translation>Kupujemy po %1</translation>
    </message>
    <message>
        <source>We sell at %1</source>
        <extracomment>Under the Convert To rate box: the rate at which the bureau sells that currency.</extracomment>
        <translation>Sprzedajemy po %1</translation>
    </message>
    <message>
        <source>The minimum commission could not be read.</source>
        <translation>Nie można odczytać minimalnej prowizji.</translation>
    </message>
    <message>
        <source>Commission (minimum):</source>
        <translation>Prowizja (minimalna):</translation>
    </message>
    <message>
        <source>&amp;Update Rates...</source>
        <translation>&amp;Aktualizuj kursy…</translation>
    </message>
    <message>
        <source>Rate &amp;Board</source>
        <translation>Ta&amp;blica kursów</translation>
    </message>
    <message>
        <source>The journal command failed.</source>
        <translation>Polecenie dziennika nie powiodło się.</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>Zapi&amp;sz</translation>
    </message>
    <message>
        <source>&amp;Record Deal</source>
        <translation>Zapi&amp;sz transakcję</translation>
    </message>
    <message>
        <source>Repri&amp;nt Receipt...</source>
        <translation>Kopia &amp;potwierdzenia…</translation>
    </message>
    <message>
        <source>&amp;Void Last Deal...</source>
        <translation>Anuluj &amp;ostatnią transakcję…</translation>
    </message>
    <message>
        <source>Da&amp;y&apos;s Deals...</source>
        <translation>Transakcje d&amp;nia…</translation>
    </message>
    <message>
        <source>Check &amp;Journal</source>
        <translation>Sprawdź &amp;dziennik</translation>
    </message>
</context>
<context>
    <name>frmImportRates</name>
    <message>
        <source>Rates to Import</source>
        <translation>Kursy do importu</translation>
    </message>
    <message>
        <source>Tick the rates to import. New countries are not ticked. A change of more than 25 % is marked with a warning sign: look twice.</source>
        <translation>Zaznacz kursy do zaimportowania. Nowe kraje nie są zaznaczone. Zmiana o ponad 25% jest oznaczona znakiem ostrzegawczym: sprawdź ją dokładnie.</translation>
    </message>
    <message>
        <source>Proposed changes</source>
        <translation>Proponowane zmiany</translation>
    </message>
    <message>
        <source>&amp;Tick all</source>
        <translation>&amp;Zaznacz wszystkie</translation>
    </message>
    <message>
        <source>Tick all</source>
        <translation>Zaznacz wszystkie</translation>
    </message>
    <message>
        <source>&amp;Untick all</source>
        <translation>&amp;Odznacz wszystkie</translation>
    </message>
    <message>
        <source>Untick all</source>
        <translation>Odznacz wszystkie</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importuj</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>In the Change column: a country the table does not have yet.</extracomment>
        <translation>nowy</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>In the Matched by column: the file&apos;s row has the table&apos;s country name.</extracomment>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Currency %1 (%2)</source>
        <extracomment>In the Matched by column: %1 a currency code, %2 the file&apos;s country of that currency.</extracomment>
        <translation>Waluta %1 (%2)</translation>
    </message>
    <message>
        <source>Same country (%1)</source>
        <extracomment>In the Matched by column: %1 the file&apos;s name for the table&apos;s country.</extracomment>
        <translation>Ten sam kraj (%1)</translation>
    </message>
    <message>
        <source>New country</source>
        <translation>Nowy kraj</translation>
    </message>
    <message>
        <source>File: %1, %2</source>
        <extracomment>%1 the file&apos;s name, %2 its kind.</extracomment>
        <translation>Plik: %1, %2</translation>
    </message>
    <message>
        <source>Rates as of the date given on each row</source>
        <extracomment>%1 a day or a period of days.</extracomment>
        <translation>Kursy z dnia podanego w każdym wierszu</translation>
    </message>
    <message>
        <source>Rates of %1</source>
        <translation>Kursy z %1</translation>
    </message>
    <message>
        <source>Left out:</source>
        <extracomment>Above the rows of the file that were not taken, one a line.</extracomment>
        <translation>Pominięte:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Kraj</translation>
    </message>
    <message>
        <source>Unit</source>
        <extracomment>Column header: the currency&apos;s name.</extracomment>
        <translation>Waluta</translation>
    </message>
    <message>
        <source>Current rate</source>
        <translation>Obecny kurs</translation>
    </message>
    <message>
        <source>Rate of</source>
        <extracomment>Column header: the day the current rate was set.</extracomment>
        <translation>Data kursu</translation>
    </message>
    <message>
        <source>New rate</source>
        <translation>Nowy kurs</translation>
    </message>
    <message>
        <source>New rate of</source>
        <extracomment>Column header: the day the new rate is of.</extracomment>
        <translation>Data nowego kursu</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Column header: the change from the current rate to the new one, in percent.</extracomment>
        <translation>Zmiana</translation>
    </message>
    <message>
        <source>Matched by</source>
        <extracomment>Column header: how the file&apos;s row was found for the table&apos;s country.</extracomment>
        <translation>Dopasowanie</translation>
    </message>
    <message>
        <source>Changes by more than 25 %: look twice.</source>
        <translation>Zmiana o ponad 25%: sprawdź dokładnie.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What a screen reader says for a marked change: the change, then the warning.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 ticked</source>
        <extracomment>%n rows ticked of %1 rows in all.</extracomment>
        <translation>
            <numerusform>Zaznaczono %n z %1</numerusform>
            <numerusform>Zaznaczono %n z %1</numerusform>
            <numerusform>Zaznaczono %n z %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A change in percent: %1 the signed figure, as +5.00 or -0.25.</extracomment>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>frmSettings</name>
    <message>
        <source>Settings</source>
        <extracomment>The title of the dialog of the till&apos;s settings (File &gt; Settings...).</extracomment>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>The settings could not be read.</source>
        <translation>Nie można odczytać ustawień.</translation>
    </message>
    <message>
        <source>&amp;Commission</source>
        <extracomment>A tab of the Settings dialog: what a deal costs beyond the rates.</extracomment>
        <translation>&amp;Prowizja</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Rates</source>
        <extracomment>A tab of the Settings dialog: when rates are old, and where they come from.</extracomment>
        <translation>&amp;Kursy</translation>
    </message>
    <message>
        <source>Recei&amp;pts</source>
        <translation>Potwie&amp;rdzenia</translation>
    </message>
</context>
<context>
    <name>frmUpdateRates</name>
    <message>
        <source>HMRC&apos;s monthly rates for</source>
        <translation>Miesięczne kursy HMRC za</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Miesiąc</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>The European Central Bank&apos;s daily reference rates</source>
        <translation>Dzienne kursy referencyjne Europejskiego Banku Centralnego</translation>
    </message>
    <message>
        <source>&amp;Fetch</source>
        <translation>&amp;Pobierz</translation>
    </message>
    <message>
        <source>Fetching %1 ...</source>
        <extracomment>%1 is the address being fetched.</extracomment>
        <translation>Pobieranie %1…</translation>
    </message>
    <message>
        <source>Do you want the rates for %1 instead?</source>
        <extracomment>%1 is a month and its year.</extracomment>
        <translation>Czy zamiast tego pobrać kursy za %1?</translation>
    </message>
</context>
<context>
    <name>maintenance::CommissionPage</name>
    <message>
        <source>Minimum commission (£):</source>
        <translation>Minimalna prowizja (£):</translation>
    </message>
    <message>
        <source>A deal&apos;s commission is never less than this amount, converted into the currency paid out. 0 sets no minimum.</source>
        <translation>Prowizja od transakcji nigdy nie jest mniejsza niż ta kwota, przeliczona na wypłacaną walutę. 0 oznacza brak minimum.</translation>
    </message>
</context>
<context>
    <name>maintenance::RateSourceSettings</name>
    <message>
        <source>Never</source>
        <extracomment>Shown for 0 days: rates never count as old.</extracomment>
        <translation>Nigdy</translation>
    </message>
    <message>
        <source>Rates are old after (days):</source>
        <translation>Kursy nieaktualne po (dniach):</translation>
    </message>
    <message>
        <source>Refuse to record a deal on an old rate</source>
        <translation>Nie zapisuj transakcji po nieaktualnym kursie</translation>
    </message>
    <message>
        <source>HMRC monthly rates ({year}, {month}):</source>
        <extracomment>{year} and {month} stand for the year and the month&apos;s number; keep them as they are.</extracomment>
        <translation>Miesięczne kursy HMRC ({year}, {month}):</translation>
    </message>
    <message>
        <source>ECB daily rates:</source>
        <translation>Dzienne kursy EBC:</translation>
    </message>
    <message>
        <source>Head office</source>
        <translation>Centrala</translation>
    </message>
    <message>
        <source>Address (https):</source>
        <translation>Adres (https):</translation>
    </message>
    <message>
        <source>Public key:</source>
        <translation>Klucz publiczny:</translation>
    </message>
    <message>
        <source>Fetch every (minutes):</source>
        <translation>Pobieraj co (minut):</translation>
    </message>
    <message>
        <source>Set for this machine in %1; only its administrator can change it.</source>
        <translation>Ustawione dla tego komputera w pliku %1; zmienić je może tylko administrator.</translation>
    </message>
    <message>
        <source>Leave the address empty unless this till takes its rates from head office. A change takes effect when Tallyvane next starts.</source>
        <translation>Pozostaw adres pusty, chyba że ta kasa pobiera kursy z centrali. Zmiana zadziała po ponownym uruchomieniu programu Tallyvane.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Nie można zapisać ustawień.</translation>
    </message>
    <message>
        <source>The address %1 is not an https address. Nothing was saved.</source>
        <extracomment>%1 is the address typed.</extracomment>
        <translation>Adres %1 nie jest adresem https. Niczego nie zapisano.</translation>
    </message>
</context>
<context>
    <name>maintenance::ReceiptSettings</name>
    <message>
        <source>Till name:</source>
        <translation>Nazwa kasy:</translation>
    </message>
    <message>
        <source>Shop name:</source>
        <translation>Nazwa kantoru:</translation>
    </message>
    <message>
        <source>Shop address:</source>
        <translation>Adres kantoru:</translation>
    </message>
    <message>
        <source>Nowhere</source>
        <translation>Nigdzie</translation>
    </message>
    <message>
        <source>The printer</source>
        <translation>Drukarka</translation>
    </message>
    <message>
        <source>A folder of PDF files</source>
        <translation>Folder plików PDF</translation>
    </message>
    <message>
        <source>Receipts go to:</source>
        <translation>Potwierdzenia do:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wybierz…</translation>
    </message>
    <message>
        <source>Receipt folder:</source>
        <translation>Folder potwierdzeń:</translation>
    </message>
    <message>
        <source>80 mm roll</source>
        <translation>Rolka 80 mm</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Receipt layout:</source>
        <translation>Układ potwierdzenia:</translation>
    </message>
    <message>
        <source>Choose the folder where receipts are saved.</source>
        <translation>Wybierz folder, w którym będą zapisywane potwierdzenia.</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>Nie można zapisać pliku ustawień.</translation>
    </message>
    <message>
        <source>Receipt Folder</source>
        <translation>Folder potwierdzeń</translation>
    </message>
</context>
</TS>
