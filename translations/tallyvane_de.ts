<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>--day-report needs a day written YYYY-MM-DD.</source>
        <translation>--day-report braucht einen Tag in der Form YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>--day-report needs one of --pdf OUT.pdf and --csv OUT.csv.</source>
        <translation>--day-report braucht entweder --pdf OUT.pdf oder --csv OUT.csv.</translation>
    </message>
    <message>
        <source>%1: there is no such file.</source>
        <translation>%1: Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>%1: the journal is whole.</source>
        <translation>%1: Das Journal ist unversehrt.</translation>
    </message>
    <message>
        <source>%1: entry %2 does not match what was recorded.</source>
        <translation>%1: Eintrag %2 stimmt nicht mit dem Erfassten überein.</translation>
    </message>
    <message>
        <source>Checks the journal of deals (or FILE) and names the first entry that does not match.</source>
        <translation>Prüft das Geschäftsjournal (oder FILE) und nennt den ersten Eintrag, der nicht übereinstimmt.</translation>
    </message>
    <message>
        <source>Writes the deals of DAY (YYYY-MM-DD) with --pdf or --csv.</source>
        <translation>Schreibt die Geschäfte vom Tag DAY (YYYY-MM-DD) mit --pdf oder --csv.</translation>
    </message>
    <message>
        <source>The day&apos;s report as a PDF file.</source>
        <translation>Der Tagesbericht als PDF-Datei.</translation>
    </message>
    <message>
        <source>The day&apos;s report as a CSV file.</source>
        <translation>Der Tagesbericht als CSV-Datei.</translation>
    </message>
    <message>
        <source>Fetches and applies head office&apos;s rates once.</source>
        <translation>Ruft die Kurse der Zentrale einmal ab und übernimmt sie.</translation>
    </message>
    <message>
        <source>Writes the program&apos;s own export of its rates to FILE.</source>
        <translation>Schreibt den programmeigenen Export der Kurse nach FILE.</translation>
    </message>
    <message>
        <source>The journal --check-journal checks.</source>
        <translation>Das Journal, das --check-journal prüft.</translation>
    </message>
    <message>
        <source>--check-journal takes at most one file.</source>
        <translation>--check-journal nimmt höchstens eine Datei.</translation>
    </message>
    <message>
        <source>Unexpected arguments: see --help.</source>
        <translation>Unerwartete Argumente: siehe --help.</translation>
    </message>
    <message>
        <source>--reprint-receipt needs a deal&apos;s number.</source>
        <translation>--reprint-receipt braucht die Nummer eines Geschäfts.</translation>
    </message>
    <message>
        <source>The settings send receipts nowhere: choose a printer or a folder first.</source>
        <translation>Die Einstellungen senden Quittungen nirgendwohin: Wählen Sie zuerst einen Drucker oder einen Ordner.</translation>
    </message>
    <message>
        <source>Entry %1 is not a deal.</source>
        <translation>Eintrag %1 ist kein Geschäft.</translation>
    </message>
    <message>
        <source>Issues deal N&apos;s receipt again, marked COPY, where the settings send receipts.</source>
        <translation>Druckt die Quittung von Geschäft N erneut, mit KOPIE gekennzeichnet, dorthin, wohin die Einstellungen Quittungen senden.</translation>
    </message>
</context>
<context>
    <name>CommissionPage</name>
    <message>
        <source>Minimum commission (£)</source>
        <extracomment>The box of the Settings dialog, followed by a colon; the pound sign is the currency of the till.</extracomment>
        <translation>Mindestprovision (£)</translation>
    </message>
</context>
<context>
    <name>CountryList</name>
    <message>
        <source>&quot;%1&quot; is no longer in the rates table.</source>
        <translation>„%1“ ist nicht mehr in der Kurstabelle.</translation>
    </message>
    <message>
        <source>The rate of &quot;%1&quot; could not be read.</source>
        <translation>Der Kurs von „%1“ konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>There were errors while trying to fill the countries lists.</source>
        <translation>Beim Füllen der Länderlisten sind Fehler aufgetreten.</translation>
    </message>
</context>
<context>
    <name>Currencies</name>
    <message>
        <source>Euro</source>
        <translation>Euro</translation>
    </message>
    <message>
        <source>Dollar</source>
        <translation>Dollar</translation>
    </message>
    <message>
        <source>Yen</source>
        <translation>Yen</translation>
    </message>
    <message>
        <source>Lev</source>
        <translation>Lew</translation>
    </message>
    <message>
        <source>Koruna</source>
        <translation>Krone</translation>
    </message>
    <message>
        <source>Krone</source>
        <translation>Krone</translation>
    </message>
    <message>
        <source>Pound</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>Forint</source>
        <translation>Forint</translation>
    </message>
    <message>
        <source>Zloty</source>
        <translation>Złoty</translation>
    </message>
    <message>
        <source>Leu</source>
        <translation>Leu</translation>
    </message>
    <message>
        <source>Krona</source>
        <translation>Krone</translation>
    </message>
    <message>
        <source>Franc</source>
        <translation>Franken</translation>
    </message>
    <message>
        <source>Kuna</source>
        <translation>Kuna</translation>
    </message>
    <message>
        <source>Rouble</source>
        <translation>Rubel</translation>
    </message>
    <message>
        <source>Lira</source>
        <translation>Lira</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Yuan</source>
        <translation>Yuan</translation>
    </message>
    <message>
        <source>Rupiah</source>
        <translation>Rupiah</translation>
    </message>
    <message>
        <source>Shekel</source>
        <translation>Schekel</translation>
    </message>
    <message>
        <source>Rupee</source>
        <translation>Rupie</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Ringgit</source>
        <translation>Ringgit</translation>
    </message>
    <message>
        <source>Baht</source>
        <translation>Baht</translation>
    </message>
    <message>
        <source>Rand</source>
        <translation>Rand</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>There was a problem connecting to the Exchange rates database.</source>
        <translation>Beim Verbinden mit der Kursdatenbank ist ein Problem aufgetreten.</translation>
    </message>
    <message>
        <source>Check if the database is at the following location:</source>
        <extracomment>Followed by the rates file&apos;s path on a line of its own.</extracomment>
        <translation>Prüfen Sie, ob sich die Datenbank an folgendem Ort befindet:</translation>
    </message>
    <message>
        <source>There was a problem launching Tallyvane.</source>
        <translation>Beim Starten von Tallyvane ist ein Problem aufgetreten.</translation>
    </message>
    <message>
        <source>You can still run the software, but you may experience problems.</source>
        <translation>Sie können das Programm trotzdem verwenden, es kann dabei aber zu Problemen kommen.</translation>
    </message>
    <message>
        <source>Would you like to continue loading Tallyvane?</source>
        <translation>Möchten Sie den Start von Tallyvane fortsetzen?</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation (de, fr, es, pl, ...): dates take their month names from it.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>A day as dates are written, in Qt&apos;s date format: d the day, MMMM the month&apos;s name, yyyy the year.</extracomment>
        <translation>d. MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>DayReport</name>
    <message>
        <source>Deal</source>
        <translation>Geschäft</translation>
    </message>
    <message>
        <source>Void</source>
        <translation>Storno</translation>
    </message>
    <message>
        <source>Opening float</source>
        <translation>Anfangsbestand</translation>
    </message>
    <message>
        <source>Closing count</source>
        <translation>Schlusszählung</translation>
    </message>
    <message>
        <source>%1 %2 for %3 %4</source>
        <translation>%1 %2 gegen %3 %4</translation>
    </message>
    <message>
        <source>voids %1: %2</source>
        <translation>storniert %1: %2</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Bought</source>
        <translation>Angekauft</translation>
    </message>
    <message>
        <source>Sold</source>
        <translation>Verkauft</translation>
    </message>
    <message>
        <source>Commission</source>
        <translation>Provision</translation>
    </message>
    <message>
        <source>Commission (£)</source>
        <translation>Provision (£)</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Soll</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Deals of %1</source>
        <translation>Geschäfte vom %1</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Till</source>
        <translation>Kasse</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Angaben</translation>
    </message>
</context>
<context>
    <name>DealRecording</name>
    <message>
        <source>The deal was not recorded.</source>
        <translation>Das Geschäft wurde nicht erfasst.</translation>
    </message>
    <message>
        <source>Deal %1 is recorded, but its receipt could not be issued.</source>
        <translation>Geschäft %1 ist erfasst, aber die Quittung konnte nicht ausgestellt werden.</translation>
    </message>
    <message>
        <source>The journal holds no deal yet.</source>
        <translation>Das Journal enthält noch kein Geschäft.</translation>
    </message>
    <message>
        <source>Reprint Receipt</source>
        <translation>Quittung erneut drucken</translation>
    </message>
    <message>
        <source>Number of the deal:</source>
        <translation>Nummer des Geschäfts:</translation>
    </message>
    <message>
        <source>Entry %1 is not a deal.</source>
        <translation>Eintrag %1 ist kein Geschäft.</translation>
    </message>
    <message>
        <source>The receipt could not be issued.</source>
        <translation>Die Quittung konnte nicht ausgestellt werden.</translation>
    </message>
    <message>
        <source>The journal could not be read.</source>
        <translation>Das Journal konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>There is no deal to void.</source>
        <translation>Es gibt kein Geschäft zum Stornieren.</translation>
    </message>
    <message>
        <source>Void deal %1: %2 %3 for %4 %5?</source>
        <translation>Geschäft %1 stornieren: %2 %3 gegen %4 %5?</translation>
    </message>
    <message>
        <source>Void Last Deal</source>
        <translation>Letztes Geschäft stornieren</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Grund:</translation>
    </message>
    <message>
        <source>A void needs a reason: nothing was recorded.</source>
        <translation>Eine Stornierung braucht einen Grund: Es wurde nichts erfasst.</translation>
    </message>
    <message>
        <source>Deal %1 is void (entry %2).</source>
        <translation>Geschäft %1 ist storniert (Eintrag %2).</translation>
    </message>
    <message>
        <source>Nothing was voided.</source>
        <translation>Es wurde nichts storniert.</translation>
    </message>
    <message>
        <source>Entry %1 of the journal does not match what was recorded: it, or the entry before it, has been changed outside Tallyvane. New deals are still recorded.</source>
        <translation>Eintrag %1 des Journals stimmt nicht mit dem Erfassten überein: Er oder der Eintrag davor wurde außerhalb von Tallyvane verändert. Neue Geschäfte werden weiterhin erfasst.</translation>
    </message>
    <message>
        <source>The journal is whole: every entry matches what was recorded.</source>
        <translation>Das Journal ist unversehrt: Jeder Eintrag stimmt mit dem Erfassten überein.</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>The amount is not a number.</source>
        <translation>Der Betrag ist keine Zahl.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert From country is not a number.</source>
        <translation>Der Wechselkurs unter „Umrechnen von“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert To country is not a number.</source>
        <translation>Der Wechselkurs unter „Umrechnen in“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The commission is not a number.</source>
        <translation>Die Provision ist keine Zahl.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>Der Betrag ist zu groß zum Umrechnen.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert From country is too large to use.</source>
        <translation>Der Wechselkurs unter „Umrechnen von“ ist zu groß, um damit zu rechnen.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert To country is too large to use.</source>
        <translation>Der Wechselkurs unter „Umrechnen in“ ist zu groß, um damit zu rechnen.</translation>
    </message>
    <message>
        <source>The commission is too large to use.</source>
        <translation>Die Provision ist zu groß, um damit zu rechnen.</translation>
    </message>
    <message>
        <source>The result is too large to show.</source>
        <translation>Das Ergebnis ist zu groß für die Anzeige.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert From country is 0, so the amount cannot be converted.</source>
        <translation>Der Wechselkurs unter „Umrechnen von“ ist 0, daher kann der Betrag nicht umgerechnet werden.</translation>
    </message>
    <message>
        <source>The exchange could not be calculated.</source>
        <translation>Der Umtausch konnte nicht berechnet werden.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Save Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>ERROR #: %1</source>
        <extracomment>The first of two lines closing a failure report; %1 is the error&apos;s number.</extracomment>
        <translation>FEHLER Nr.: %1</translation>
    </message>
    <message>
        <source>ERROR  :%1</source>
        <extracomment>The second line, under &quot;ERROR #: %1&quot;; %1 is the error&apos;s description.</extracomment>
        <translation>FEHLER    :%1</translation>
    </message>
    <message>
        <source>If the problem persists, please report the following details to Fernwick Software:</source>
        <translation>Wenn das Problem weiterhin besteht, melden Sie bitte die folgenden Angaben an Fernwick Software:</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>Feed</name>
    <message>
        <source>The head office key cannot be read: it must be the key line of a minisign public key file.</source>
        <translation>Der Schlüssel der Zentrale kann nicht gelesen werden: Er muss die Schlüsselzeile einer öffentlichen minisign-Schlüsseldatei sein.</translation>
    </message>
    <message>
        <source>The signature file is not a minisign signature.</source>
        <translation>Die Signaturdatei ist keine minisign-Signatur.</translation>
    </message>
    <message>
        <source>The signature is of a kind this program does not know.</source>
        <translation>Die Signatur ist von einer Art, die dieses Programm nicht kennt.</translation>
    </message>
    <message>
        <source>The file is signed with another key than the head office key.</source>
        <translation>Die Datei ist mit einem anderen Schlüssel signiert als dem der Zentrale.</translation>
    </message>
    <message>
        <source>The file does not match its signature: it was changed or cut short.</source>
        <translation>Die Datei passt nicht zu ihrer Signatur: Sie wurde verändert oder ist unvollständig.</translation>
    </message>
    <message>
        <source>The signature&apos;s trusted comment was changed.</source>
        <translation>Der vertrauenswürdige Kommentar der Signatur wurde verändert.</translation>
    </message>
    <message>
        <source>The signature carries no time, so the file cannot be told from an older one.</source>
        <translation>Die Signatur enthält keine Zeitangabe, daher lässt sich die Datei nicht von einer älteren unterscheiden.</translation>
    </message>
    <message>
        <source>%1 sent the program on to %2, which is not https: rates are fetched over https only.</source>
        <translation>%1 hat das Programm an %2 weitergeleitet, eine Adresse ohne https: Kurse werden nur über https abgerufen.</translation>
    </message>
    <message>
        <source>%1 is not an https address: rates are fetched over https only.</source>
        <translation>%1 ist keine https-Adresse: Kurse werden nur über https abgerufen.</translation>
    </message>
    <message>
        <source>%1 cannot be reached: there is no network connection, or the server cannot be found or does not answer.</source>
        <translation>%1 ist nicht erreichbar: Es besteht keine Netzwerkverbindung, oder der Server wird nicht gefunden oder antwortet nicht.</translation>
    </message>
    <message>
        <source>%1 is not on the server (it may not be published yet).</source>
        <translation>%1 liegt nicht auf dem Server (vielleicht ist die Datei noch nicht veröffentlicht).</translation>
    </message>
    <message>
        <source>The server of %1 cannot prove who it is: its certificate does not verify.</source>
        <translation>Der Server von %1 kann sich nicht ausweisen: Sein Zertifikat lässt sich nicht bestätigen.</translation>
    </message>
    <message>
        <source>%1 is larger than a rate file may be (%2); nothing was kept.</source>
        <translation>%1 ist größer, als eine Kursdatei sein darf (%2); es wurde nichts übernommen.</translation>
    </message>
    <message>
        <source>%1 did not come in time: the server stopped answering.</source>
        <translation>%1 kam nicht rechtzeitig an: Der Server hat nicht mehr geantwortet.</translation>
    </message>
    <message>
        <source>The download of %1 was cancelled.</source>
        <translation>Das Herunterladen von %1 wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The server refused %1 (HTTP status %2).</source>
        <translation>Der Server hat %1 verweigert (HTTP-Status %2).</translation>
    </message>
    <message>
        <source>The download of %1 was cut short.</source>
        <translation>Das Herunterladen von %1 brach vorzeitig ab.</translation>
    </message>
    <message>
        <source>%1 cannot be fetched: %2</source>
        <translation>%1 kann nicht abgerufen werden: %2</translation>
    </message>
    <message>
        <source>The head office settings in %1 cannot be used: %2</source>
        <extracomment>%1 is a file, %2 what is wrong in it.</extracomment>
        <translation>Die Einstellungen der Zentrale in %1 können nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>line %1 is not of the form Name=value.</source>
        <translation>Zeile %1 hat nicht die Form Name=Wert.</translation>
    </message>
    <message>
        <source>line %1 gives %2 a second time.</source>
        <translation>Zeile %1 gibt %2 ein zweites Mal an.</translation>
    </message>
    <message>
        <source>it has no Url.</source>
        <translation>Es fehlt die Angabe Url.</translation>
    </message>
    <message>
        <source>it has no PublicKey.</source>
        <translation>Es fehlt die Angabe PublicKey.</translation>
    </message>
    <message>
        <source>the Url %1 is not the https address of a file.</source>
        <translation>Die Url %1 ist nicht die https-Adresse einer Datei.</translation>
    </message>
    <message>
        <source>the PublicKey is not the key line of a minisign public key file.</source>
        <translation>Der PublicKey ist nicht die Schlüsselzeile einer öffentlichen minisign-Schlüsseldatei.</translation>
    </message>
    <message>
        <source>IntervalMinutes must be a whole number of minutes from 1 to %1.</source>
        <translation>IntervalMinutes muss eine ganze Zahl von Minuten zwischen 1 und %1 sein.</translation>
    </message>
    <message>
        <source>users other than root may change it; it must belong to root and be writable by root only.</source>
        <translation>Auch andere Benutzer als root können sie ändern; sie muss root gehören und darf nur für root beschreibbar sein.</translation>
    </message>
    <message>
        <source>it is too large for a settings file.</source>
        <translation>Sie ist zu groß für eine Einstellungsdatei.</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>Es ist keine Datei.</translation>
    </message>
    <message>
        <source>it cannot be read (%1).</source>
        <translation>Sie kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>%1 was refused: %2</source>
        <extracomment>%1 is the head office file&apos;s address, %2 what is wrong with its signature.</extracomment>
        <translation>%1 wurde abgelehnt: %2</translation>
    </message>
    <message>
        <source>%1 was refused: it was signed on %2, not after the rates applied last (signed on %3).</source>
        <translation>%1 wurde abgelehnt: Die Datei wurde am %2 signiert, nicht nach den zuletzt übernommenen Kursen (signiert am %3).</translation>
    </message>
    <message>
        <source>%1 was refused: it is a rate file, but not an export of this program.</source>
        <translation>%1 wurde abgelehnt: Es ist eine Kursdatei, aber kein Export dieses Programms.</translation>
    </message>
    <message>
        <source>%1 holds the rates applied last (signed on %2).</source>
        <translation>%1 enthält die zuletzt übernommenen Kurse (signiert am %2).</translation>
    </message>
    <message>
        <source>Rates from head office: none applied yet.</source>
        <translation>Kurse der Zentrale: noch keine übernommen.</translation>
    </message>
    <message>
        <source>Rates from head office, applied %1.</source>
        <extracomment>%1 is when head office&apos;s rates were applied.</extracomment>
        <translation>Kurse der Zentrale, übernommen am %1.</translation>
    </message>
    <message>
        <source>Rates from head office, applied %1; the rates are of %2.</source>
        <extracomment>%1 is when head office&apos;s rates were applied, %2 the newest date of those rates.</extracomment>
        <translation>Kurse der Zentrale, übernommen am %1; die Kurse sind vom %2.</translation>
    </message>
    <message>
        <source>%1 Nothing was changed: %2</source>
        <extracomment>%1 says what was applied, %2 why the last file was not.</extracomment>
        <translation>%1 Es wurde nichts geändert: %2</translation>
    </message>
    <message>
        <source>The rates database is not open.</source>
        <translation>Die Kursdatenbank ist nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>FeedCommands</name>
    <message>
        <source>No head office is configured: there is no %1 and no head office in the user&apos;s settings.</source>
        <translation>Es ist keine Zentrale eingerichtet: Es gibt weder %1 noch eine Zentrale in den Einstellungen des Benutzers.</translation>
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
        <translation>Die Kurse dieser Kasse kommen von der Zentrale</translation>
    </message>
</context>
<context>
    <name>ImportExport</name>
    <message>
        <source>%1 has nothing to change: the rates table already holds every rate it gives.</source>
        <translation>%1 ändert nichts: Die Kurstabelle enthält bereits jeden Kurs aus dieser Datei.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the file were left out:</source>
        <extracomment>Followed by the rows, one a line.</extracomment>
        <translation>
            <numerusform>%n Zeile der Datei wurde nicht übernommen:</numerusform>
            <numerusform>%n Zeilen der Datei wurden nicht übernommen:</numerusform>
        </translation>
    </message>
    <message>
        <source>The rates database is not open, so no rates can be imported.</source>
        <translation>Die Kursdatenbank ist nicht geöffnet, daher können keine Kurse importiert werden.</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>Es wurde nichts importiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n rates imported from %1.</source>
        <translation>
            <numerusform>%n Kurs aus %1 importiert.</numerusform>
            <numerusform>%n Kurse aus %1 importiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>The rates database is not open, so there are no rates to export.</source>
        <translation>Die Kursdatenbank ist nicht geöffnet, daher gibt es keine Kurse zum Exportieren.</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters: keep the patterns in brackets and the ;; between filters.</extracomment>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation>Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The rates were not exported.</source>
        <translation>Die Kurse wurden nicht exportiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n rates exported to %1.</source>
        <translation>
            <numerusform>%n Kurs nach %1 exportiert.</numerusform>
            <numerusform>%n Kurse nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Rates</source>
        <translation>Kurse importieren</translation>
    </message>
    <message>
        <source>Export Rates</source>
        <translation>Kurse exportieren</translation>
    </message>
    <message>
        <source>The rates could not be imported.</source>
        <translation>Die Kurse konnten nicht importiert werden.</translation>
    </message>
    <message>
        <source>The rates could not be exported.</source>
        <translation>Die Kurse konnten nicht exportiert werden.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>… und %n weitere.</numerusform>
            <numerusform>… und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rate files (*.csv *.txt *.xml);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters: keep the patterns in brackets and the ;; between filters.</extracomment>
        <translation>Kursdateien (*.csv *.txt *.xml);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>the folder %1 allows no new file: %2</source>
        <translation>Der Ordner %1 erlaubt keine neue Datei: %2</translation>
    </message>
    <message>
        <source>Could not create it: %1.</source>
        <translation>Sie konnte nicht angelegt werden: %1.</translation>
    </message>
    <message>
        <source>The journal entry needs %1.</source>
        <translation>Dem Journaleintrag fehlt %1.</translation>
    </message>
    <message>
        <source>the country the money comes from</source>
        <translation>das Land, aus dem das Geld kommt</translation>
    </message>
    <message>
        <source>the country the money goes to</source>
        <translation>das Land, in das das Geld geht</translation>
    </message>
    <message>
        <source>A deal&apos;s rates must be numbers above 0.</source>
        <translation>Die Kurse eines Geschäfts müssen Zahlen größer als 0 sein.</translation>
    </message>
    <message>
        <source>A deal&apos;s total must be the exchanged amount less the commission.</source>
        <translation>Der Endbetrag eines Geschäfts muss der Gegenwert abzüglich der Provision sein.</translation>
    </message>
    <message>
        <source>a currency</source>
        <translation>eine Währung</translation>
    </message>
    <message>
        <source>A float or a count cannot be below 0.</source>
        <translation>Ein Kassenbestand oder eine Zählung darf nicht unter 0 liegen.</translation>
    </message>
    <message>
        <source>Entry %1 is not a deal in the journal: there is nothing to void.</source>
        <translation>Eintrag %1 ist kein Geschäft im Journal: Es gibt nichts zu stornieren.</translation>
    </message>
    <message>
        <source>Deal %1 was already voided by entry %2.</source>
        <translation>Geschäft %1 wurde bereits durch Eintrag %2 storniert.</translation>
    </message>
    <message>
        <source>%1 is not a deal journal.</source>
        <translation>%1 ist kein Geschäftsjournal.</translation>
    </message>
    <message>
        <source>The encryption of the journal could not be set up.</source>
        <translation>Die Verschlüsselung des Journals ließ sich nicht einrichten.</translation>
    </message>
    <message>
        <source>Could not record in the journal %1: %2</source>
        <translation>In das Journal %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the reason for the void</source>
        <translation>der Grund für die Stornierung</translation>
    </message>
    <message>
        <source>%1 is not a deal journal, or it is damaged.</source>
        <translation>%1 ist kein Geschäftsjournal oder ist beschädigt.</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Tallyvane; this version cannot use it.</source>
        <translation>%1 wurde von einer neueren Version von Tallyvane geschrieben; diese Version kann die Datei nicht verwenden.</translation>
    </message>
</context>
<context>
    <name>Maintenance</name>
    <message>
        <source>You may not change the rates on this computer: ask the administrator to add you to the group %1, then log in again.</source>
        <translation>Sie dürfen die Kurse auf diesem Computer nicht ändern: Bitten Sie den Administrator, Sie in die Gruppe %1 aufzunehmen, und melden Sie sich danach neu an.</translation>
    </message>
    <message>
        <source>The rates cannot be changed because %1 is on a read-only disk: ask the administrator to make it writable.</source>
        <translation>Die Kurse können nicht geändert werden, weil %1 auf einem schreibgeschützten Datenträger liegt: Bitten Sie den Administrator, den Datenträger beschreibbar zu machen.</translation>
    </message>
    <message>
        <source>The rates cannot be changed because the rates file %1 is read-only for you: ask the administrator to let you write to it.</source>
        <translation>Die Kurse können nicht geändert werden, weil die Kursdatei %1 für Sie schreibgeschützt ist: Bitten Sie den Administrator um Schreibrechte für diese Datei.</translation>
    </message>
    <message>
        <source>The rates cannot be changed because the folder %1, where the rates file keeps its journal while saving, is read-only for you: ask the administrator to let you write to it.</source>
        <translation>Die Kurse können nicht geändert werden, weil der Ordner %1, in dem die Kursdatei beim Speichern ihr Journal anlegt, für Sie schreibgeschützt ist: Bitten Sie den Administrator um Schreibrechte für diesen Ordner.</translation>
    </message>
    <message>
        <source>There was a problem saving the data.</source>
        <translation>Beim Speichern der Daten ist ein Problem aufgetreten.</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Write it with digits and at most one %1 as the decimal mark, for example %2.</source>
        <extracomment>%1 the decimal mark in quotation marks, %2 a number written so.</extracomment>
        <translation>Schreiben Sie die Zahl mit Ziffern und höchstens einem %1 als Dezimalzeichen, zum Beispiel %2.</translation>
    </message>
    <message>
        <source>Write it with digits and at most one %1 as the decimal mark, without a point or any thousands separator, for example %2.</source>
        <extracomment>%1 the decimal mark in quotation marks, %2 a number written so. A point could be a thousands separator, so it is never read.</extracomment>
        <translation>Schreiben Sie die Zahl mit Ziffern und höchstens einem %1 als Dezimalzeichen, ohne Punkt oder sonstiges Tausendertrennzeichen, zum Beispiel %2.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The PDF could not be made.</source>
        <translation>Die PDF-Datei konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The printer could not take the job.</source>
        <translation>Der Drucker konnte den Auftrag nicht annehmen.</translation>
    </message>
</context>
<context>
    <name>RateAge</name>
    <message>
        <source>Rate of no known date: old</source>
        <translation>Kurs ohne bekanntes Datum: veraltet</translation>
    </message>
    <message>
        <source>Rate of no known date</source>
        <translation>Kurs ohne bekanntes Datum</translation>
    </message>
    <message>
        <source>Rate of %1: old</source>
        <extracomment>%1 is the rate&apos;s date, as &quot;1 Dec 2026&quot;.</extracomment>
        <translation>Kurs vom %1: veraltet</translation>
    </message>
    <message>
        <source>Rate of %1</source>
        <translation>Kurs vom %1</translation>
    </message>
    <message>
        <source>The rate of %1 has no date, so it cannot be shown to be current. Update the rates before recording this deal.</source>
        <extracomment>%1 is a country.</extracomment>
        <translation>Der Kurs von %1 hat kein Datum, daher lässt sich nicht zeigen, dass er aktuell ist. Aktualisieren Sie die Kurse, bevor Sie dieses Geschäft erfassen.</translation>
    </message>
    <message numerus="yes">
        <source>The rate of %1 is of %2, older than %n days. Update the rates before recording this deal.</source>
        <extracomment>%1 is a country, %2 the rate&apos;s date; %n the days after which rates are old.</extracomment>
        <translation>
            <numerusform>Der Kurs von %1 ist vom %2, älter als %n Tag. Aktualisieren Sie die Kurse, bevor Sie dieses Geschäft erfassen.</numerusform>
            <numerusform>Der Kurs von %1 ist vom %2, älter als %n Tage. Aktualisieren Sie die Kurse, bevor Sie dieses Geschäft erfassen.</numerusform>
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
        <translation>Provision %1&#xa0;%</translation>
    </message>
    <message>
        <source>Commission %1 %, minimum £%2</source>
        <extracomment>The rate board&apos;s commission line; %1 is the percentage, %2 the least commission in pounds.</extracomment>
        <translation>Provision %1&#xa0;%, mindestens %2&#xa0;£</translation>
    </message>
    <message>
        <source>Oldest rate: %1</source>
        <extracomment>Below the rate board: the day of the oldest rate it shows.</extracomment>
        <translation>Ältester Kurs: %1</translation>
    </message>
</context>
<context>
    <name>RateExport</name>
    <message>
        <source>Tallyvane rates %1.csv</source>
        <extracomment>The name the export offers; %1 the day as YYYY-MM-DD, which sorts by date.</extracomment>
        <translation>Tallyvane-Kurse %1.csv</translation>
    </message>
</context>
<context>
    <name>RateFileWords</name>
    <message>
        <source>UK monthly rates (CSV)</source>
        <translation>Britische Monatskurse (CSV)</translation>
    </message>
    <message>
        <source>UK monthly rates (XML)</source>
        <translation>Britische Monatskurse (XML)</translation>
    </message>
    <message>
        <source>European Central Bank daily rates (XML)</source>
        <translation>Tageskurse der Europäischen Zentralbank (XML)</translation>
    </message>
    <message>
        <source>European Central Bank daily rates (CSV)</source>
        <translation>Tageskurse der Europäischen Zentralbank (CSV)</translation>
    </message>
    <message>
        <source>Tallyvane export</source>
        <extracomment>A file written by the program&apos;s File &gt; Export Rates.</extracomment>
        <translation>Tallyvane-Export</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A period of days, from the first to the last.</extracomment>
        <translation>%1 bis %2</translation>
    </message>
</context>
<context>
    <name>RateFiles</name>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 ist leer.</translation>
    </message>
    <message>
        <source>is not a rate file this program knows: its first line is neither the header of published rates nor that of an export.</source>
        <extracomment>Said of the file; follows &quot;&lt;file&gt;, line &lt;number&gt;:&quot;.</extracomment>
        <translation>ist keine Kursdatei, die dieses Programm kennt: Die erste Zeile ist weder die Kopfzeile veröffentlichter Kurse noch die eines Exports.</translation>
    </message>
    <message>
        <source>the XML is malformed: %1</source>
        <translation>Das XML ist fehlerhaft: %1</translation>
    </message>
    <message>
        <source>%1 is not a rate file this program knows: its XML starts with &lt;%2&gt;.</source>
        <translation>%1 ist keine Kursdatei, die dieses Programm kennt: Ihr XML beginnt mit &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>%1 is too large for a rate file (over %2 MB).</source>
        <translation>%1 ist zu groß für eine Kursdatei (über %2&#xa0;MB).</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 ist keine Textdatei.</translation>
    </message>
    <message>
        <source>%1 is not a text file (it holds binary data).</source>
        <translation>%1 ist keine Textdatei (sie enthält Binärdaten).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A rate&apos;s column or element in the file, then what is wrong with the rate.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the rate is missing.</source>
        <translation>Der Kurs fehlt.</translation>
    </message>
    <message>
        <source>the rate %1 is too large.</source>
        <translation>Der Kurs %1 ist zu groß.</translation>
    </message>
    <message>
        <source>the rate %1 is not a number.</source>
        <translation>Der Kurs %1 ist keine Zahl.</translation>
    </message>
    <message>
        <source>the rate %1 is too small.</source>
        <translation>Der Kurs %1 ist zu klein.</translation>
    </message>
    <message>
        <source>the rate %1 is not above 0.</source>
        <translation>Der Kurs %1 ist nicht größer als 0.</translation>
    </message>
    <message>
        <source>the rate %1 has a decimal comma where the rate on line %2 has a decimal point: thousands separators are not read, so the rates of a file use one decimal mark.</source>
        <translation>Der Kurs %1 hat ein Dezimalkomma, der Kurs in Zeile %2 aber einen Dezimalpunkt: Tausendertrennzeichen werden nicht gelesen, daher müssen alle Kurse einer Datei dasselbe Dezimalzeichen verwenden.</translation>
    </message>
    <message>
        <source>the rate %1 has a decimal point where the rate on line %2 has a decimal comma: thousands separators are not read, so the rates of a file use one decimal mark.</source>
        <translation>Der Kurs %1 hat einen Dezimalpunkt, der Kurs in Zeile %2 aber ein Dezimalkomma: Tausendertrennzeichen werden nicht gelesen, daher müssen alle Kurse einer Datei dasselbe Dezimalzeichen verwenden.</translation>
    </message>
    <message>
        <source>expected %1 fields, found %2 (separated by semicolons, as on the first line).</source>
        <translation>%1 Felder erwartet, %2 gefunden (durch Semikolons getrennt, wie in der ersten Zeile).</translation>
    </message>
    <message>
        <source>expected %1 fields, found %2 (separated by tabs, as on the first line).</source>
        <translation>%1 Felder erwartet, %2 gefunden (durch Tabulatoren getrennt, wie in der ersten Zeile).</translation>
    </message>
    <message>
        <source>expected %1 fields, found %2 (separated by commas, as on the first line).</source>
        <translation>%1 Felder erwartet, %2 gefunden (durch Kommas getrennt, wie in der ersten Zeile).</translation>
    </message>
    <message>
        <source>holds more than %1 rates, more than this program takes from one file (a published file holds a few hundred).</source>
        <extracomment>Said of the rate file; follows &quot;&lt;file&gt;, line &lt;number&gt;:&quot;.</extracomment>
        <translation>enthält mehr als %1 Kurse, mehr als dieses Programm aus einer Datei übernimmt (eine veröffentlichte Datei enthält einige Hundert).</translation>
    </message>
    <message>
        <source>the country %1 is listed twice (first on line %2).</source>
        <translation>Das Land %1 ist doppelt aufgeführt (zuerst in Zeile %2).</translation>
    </message>
    <message>
        <source>the country is missing.</source>
        <translation>Das Land fehlt.</translation>
    </message>
    <message>
        <source>the start date %1 is not a date.</source>
        <translation>Das Anfangsdatum %1 ist kein Datum.</translation>
    </message>
    <message>
        <source>the end date %1 is not a date.</source>
        <translation>Das Enddatum %1 ist kein Datum.</translation>
    </message>
    <message>
        <source>%1 holds no rates.</source>
        <translation>%1 enthält keine Kurse.</translation>
    </message>
    <message>
        <source>the period %1 is not two dates.</source>
        <translation>Der Zeitraum %1 besteht nicht aus zwei Daten.</translation>
    </message>
    <message>
        <source>the period&apos;s first day %1 is not a date.</source>
        <translation>Der erste Tag des Zeitraums, %1, ist kein Datum.</translation>
    </message>
    <message>
        <source>the period&apos;s last day %1 is not a date.</source>
        <translation>Der letzte Tag des Zeitraums, %1, ist kein Datum.</translation>
    </message>
    <message>
        <source>element &lt;exchangeRate&gt; has no &lt;countryName&gt;.</source>
        <translation>Das Element &lt;exchangeRate&gt; hat kein &lt;countryName&gt;.</translation>
    </message>
    <message>
        <source>element &lt;exchangeRate&gt; of %1 has no &lt;rateNew&gt;.</source>
        <translation>Das Element &lt;exchangeRate&gt; von %1 hat kein &lt;rateNew&gt;.</translation>
    </message>
    <message>
        <source>element &lt;rateNew&gt; of %1</source>
        <translation>Element &lt;rateNew&gt; von %1</translation>
    </message>
    <message>
        <source>the XML is malformed or cut short: %1</source>
        <translation>Das XML ist fehlerhaft oder unvollständig: %1</translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;: time %1 is not a date.</source>
        <translation>Element &lt;Cube&gt;: Die Zeitangabe %1 ist kein Datum.</translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;: %1 is not a currency code.</source>
        <translation>Element &lt;Cube&gt;: %1 ist kein Währungscode.</translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;: a rate without a date.</source>
        <translation>Element &lt;Cube&gt;: ein Kurs ohne Datum.</translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;</source>
        <translation>Element &lt;Cube&gt;</translation>
    </message>
    <message>
        <source>column %1 of the header: %2 is not a currency code.</source>
        <translation>Spalte %1 der Kopfzeile: %2 ist kein Währungscode.</translation>
    </message>
    <message>
        <source>column %1 of the header: the currency %2 is listed twice.</source>
        <translation>Spalte %1 der Kopfzeile: Die Währung %2 ist doppelt aufgeführt.</translation>
    </message>
    <message>
        <source>the day %1 is not a date.</source>
        <translation>Der Tag %1 ist kein Datum.</translation>
    </message>
    <message>
        <source>the currency %1 is listed twice for %2.</source>
        <translation>Die Währung %1 ist für %2 doppelt aufgeführt.</translation>
    </message>
    <message>
        <source>has no rate for the pound (GBP) on %1, so its rates per euro cannot be turned into rates per pound.</source>
        <extracomment>Said of the rate file; follows &quot;&lt;file&gt;, line &lt;number&gt;:&quot;. %1 is a day.</extracomment>
        <translation>enthält keinen Kurs für das Pfund (GBP) am %1, daher lassen sich die Kurse je Euro nicht in Kurse je Pfund umrechnen.</translation>
    </message>
    <message>
        <source>the rate of %1 cannot be turned into a rate per pound.</source>
        <translation>Der Kurs von %1 lässt sich nicht in einen Kurs je Pfund umrechnen.</translation>
    </message>
    <message>
        <source>the date %1 is not a date (YYYY-MM-DD, or DD.MM.YYYY as spreadsheets save it).</source>
        <translation>Das Datum %1 ist kein gültiges Datum (JJJJ-MM-TT oder TT.MM.JJJJ, wie Tabellenkalkulationen es speichern).</translation>
    </message>
    <message>
        <source>a quote inside an unquoted field.</source>
        <translation>Ein Anführungszeichen in einem Feld ohne Anführungszeichen.</translation>
    </message>
    <message>
        <source>a quoted field is not closed.</source>
        <translation>Ein Feld in Anführungszeichen ist nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>text after a closing quote.</source>
        <translation>Text nach einem schließenden Anführungszeichen.</translation>
    </message>
    <message>
        <source>more than %1 fields on one line.</source>
        <translation>Mehr als %1 Felder in einer Zeile.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is not an ordinary file (a device, a pipe or the like)</source>
        <translation>Es ist keine gewöhnliche Datei (sondern ein Gerät, eine Pipe oder Ähnliches).</translation>
    </message>
    <message>
        <source>%1 (its folder allows no new file beside it, and the old file is never written over in place)</source>
        <extracomment>Why a file could not be written; %1 is the system&apos;s reason.</extracomment>
        <translation>%1 (ihr Ordner erlaubt keine neue Datei neben ihr, und die alte Datei wird nie an Ort und Stelle überschrieben)</translation>
    </message>
    <message>
        <source>the new file is in place, but its folder could not be synced: %1</source>
        <translation>Die neue Datei ist angelegt, aber ihr Ordner konnte nicht mit dem Datenträger synchronisiert werden: %1</translation>
    </message>
    <message>
        <source>the rate %1 holds both a point and a comma: thousands separators are not read, so write the rate without them.</source>
        <translation>Der Kurs %1 enthält sowohl einen Punkt als auch ein Komma: Tausendertrennzeichen werden nicht gelesen, schreiben Sie den Kurs daher ohne sie.</translation>
    </message>
    <message>
        <source>Line %1: the country name %2 is longer than %3 characters.</source>
        <translation>Zeile %1: Der Ländername %2 ist länger als %3 Zeichen.</translation>
    </message>
    <message>
        <source>the figure %1 holds both &apos;.&apos; and &apos;,&apos;: thousands separators are not read, so write it without them.</source>
        <translation>Die Zahl %1 enthält sowohl „.“ als auch „,“: Tausendertrennzeichen werden nicht gelesen, schreiben Sie die Zahl daher ohne sie.</translation>
    </message>
    <message>
        <source>the %1 %2 is not a currency code (three capital letters).</source>
        <extracomment>%1 the column&apos;s name, %2 the value.</extracomment>
        <translation>Der Wert %2 in der Spalte %1 ist kein Währungscode (drei Großbuchstaben).</translation>
    </message>
    <message>
        <source>the %1 %2 is below 0.</source>
        <translation>Der Wert %2 in der Spalte %1 ist kleiner als 0.</translation>
    </message>
    <message>
        <source>the %1 %2 is not below %3.</source>
        <extracomment>%3 the limit, such as 100.</extracomment>
        <translation>Der Wert %2 in der Spalte %1 ist nicht kleiner als %3.</translation>
    </message>
    <message>
        <source>the %1 %2 is above %3.</source>
        <translation>Der Wert %2 in der Spalte %1 ist größer als %3.</translation>
    </message>
    <message>
        <source>the %1 %2 has more than two decimals.</source>
        <translation>Der Wert %2 in der Spalte %1 hat mehr als zwei Nachkommastellen.</translation>
    </message>
    <message>
        <source>the %1 %2 is not a number.</source>
        <translation>Der Wert %2 in der Spalte %1 ist keine Zahl.</translation>
    </message>
    <message>
        <source>the minimum commission %1 is not an amount from 0 to %2 with at most two decimals.</source>
        <translation>Die Mindestprovision %1 ist kein Betrag von 0 bis %2 mit höchstens zwei Nachkommastellen.</translation>
    </message>
    <message>
        <source>the first line names no layout of this program&apos;s export: it should read %1 and a number, such as %2.</source>
        <translation>Die erste Zeile nennt kein Format des Exports dieses Programms: Sie sollte %1 und eine Zahl enthalten, etwa %2.</translation>
    </message>
    <message>
        <source>%1 was exported by a newer version of Tallyvane (layout %2), which this version cannot read. Export the rates again with this version&apos;s layout, or use the newer version.</source>
        <translation>%1 wurde von einer neueren Version von Tallyvane exportiert (Format %2), das diese Version nicht lesen kann. Exportieren Sie die Kurse erneut im Format dieser Version, oder verwenden Sie die neuere Version.</translation>
    </message>
    <message>
        <source>expected a setting (its name and its value) or the header of the rates.</source>
        <translation>Erwartet wurde eine Einstellung (ihr Name und ihr Wert) oder die Kopfzeile der Kurse.</translation>
    </message>
    <message>
        <source>the setting %1 is not one this program knows.</source>
        <translation>Die Einstellung %1 kennt dieses Programm nicht.</translation>
    </message>
    <message>
        <source>%1 ends before the header of its rates.</source>
        <translation>%1 endet vor der Kopfzeile der Kurse.</translation>
    </message>
</context>
<context>
    <name>RateTerms</name>
    <message>
        <source>Currency &amp;Code:</source>
        <extracomment>The ISO 4217 code of the currency, such as EUR; it may be left empty.</extracomment>
        <translation>Währungs&amp;code:</translation>
    </message>
    <message>
        <source>&amp;Buy Margin (%):</source>
        <extracomment>The percent of the value a customer gives up when the bureau buys this currency.</extracomment>
        <translation>&amp;Ankaufsmarge (%):</translation>
    </message>
    <message>
        <source>Se&amp;ll Margin (%):</source>
        <extracomment>The percent of the value a customer gives up when the bureau sells this currency.</extracomment>
        <translation>&amp;Verkaufsmarge (%):</translation>
    </message>
    <message>
        <source>S&amp;mallest Note:</source>
        <extracomment>The smallest amount of this currency the till pays out; 0 for any amount.</extracomment>
        <translation>&amp;Kleinster Schein:</translation>
    </message>
</context>
<context>
    <name>Receipt</name>
    <message>
        <source>Receipt</source>
        <translation>Quittung</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIE</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Nach:</translation>
    </message>
    <message>
        <source>Given:</source>
        <translation>Eingezahlt:</translation>
    </message>
    <message>
        <source>We buy at:</source>
        <translation>Wir kaufen zu:</translation>
    </message>
    <message>
        <source>We sell at:</source>
        <translation>Wir verkaufen zu:</translation>
    </message>
    <message>
        <source>Exchanged:</source>
        <translation>Gegenwert:</translation>
    </message>
    <message>
        <source>Commission (minimum):</source>
        <translation>Provision (Minimum):</translation>
    </message>
    <message>
        <source>Commission:</source>
        <translation>Provision:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Endbetrag:</translation>
    </message>
    <message>
        <source>Paid out:</source>
        <translation>Ausgezahlt:</translation>
    </message>
    <message>
        <source>Paid in pounds:</source>
        <translation>Rest in Pfund:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <source>Till:</source>
        <translation>Kasse:</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Kunde:</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet.</translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>The %1 box is empty.</source>
        <extracomment>%1 the caption of a box in the rate dialogs, without its colon.</extracomment>
        <translation>Das Feld „%1“ ist leer.</translation>
    </message>
    <message>
        <source>The %1 box holds a null character, which cannot be stored.</source>
        <translation>Das Feld „%1“ enthält ein Nullzeichen, das nicht gespeichert werden kann.</translation>
    </message>
    <message>
        <source>The %1 box holds %2 characters; it can hold at most %3.</source>
        <extracomment>%1 the box&apos;s caption, %2 how many characters it holds, %3 the most it may hold.</extracomment>
        <translation>Das Feld „%1“ enthält %2 Zeichen; es fasst höchstens %3.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is not a number.</source>
        <extracomment>%1 the value as typed, in quotation marks; %2 the box&apos;s caption. A hint how to write a number follows.</extracomment>
        <translation>%1 im Feld „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is too large: the largest rate the table can hold is about %3.</source>
        <extracomment>%3 the limit, a number such as 1.8E+308 in the user&apos;s number form.</extracomment>
        <translation>%1 im Feld „%2“ ist zu hoch: Der höchste Kurs, den die Tabelle speichern kann, liegt bei etwa %3.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is not above 0: a rate must be greater than 0.</source>
        <translation>%1 im Feld „%2“ ist nicht größer als 0: Ein Kurs muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is too small: the smallest rate the table can hold is about %3.</source>
        <extracomment>%3 the limit, a number such as 2.2E-308 in the user&apos;s number form.</extracomment>
        <translation>%1 im Feld „%2“ ist zu niedrig: Der niedrigste Kurs, den die Tabelle speichern kann, liegt bei etwa %3.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is not a date: a date is written YYYY-MM-DD.</source>
        <translation>%1 im Feld „%2“ ist kein Datum: Ein Datum wird als JJJJ-MM-TT geschrieben.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is not a currency code: a code is three capital letters, or nothing.</source>
        <translation>%1 im Feld „%2“ ist kein Währungscode: Ein Währungscode besteht aus drei Großbuchstaben oder bleibt leer.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is below 0.</source>
        <translation>%1 im Feld „%2“ ist kleiner als 0.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is too large: it must be below %3.</source>
        <extracomment>%3 the limit, such as 100, in the user&apos;s number form.</extracomment>
        <translation>%1 im Feld „%2“ ist zu hoch: Der Wert muss kleiner als %3 sein.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is too large: it can be at most %3.</source>
        <extracomment>%3 the limit, such as 1000000000, in the user&apos;s number form.</extracomment>
        <translation>%1 im Feld „%2“ ist zu hoch: Der Wert darf höchstens %3 betragen.</translation>
    </message>
    <message>
        <source>%1 in the %2 box has more than two decimals.</source>
        <translation>%1 im Feld „%2“ hat mehr als zwei Nachkommastellen.</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The database is locked by another program. Try again when it has finished.</source>
        <translation>Die Datenbank ist von einem anderen Programm gesperrt. Versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>The database is read-only: changes cannot be saved.</source>
        <translation>Die Datenbank ist schreibgeschützt: Änderungen können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The disk holding the database is full: changes cannot be saved.</source>
        <translation>Der Datenträger mit der Datenbank ist voll: Änderungen können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The database file could not be read or written (disk error).</source>
        <translation>Die Datenbankdatei konnte nicht gelesen oder geschrieben werden (Datenträgerfehler).</translation>
    </message>
    <message>
        <source>The database file is damaged.</source>
        <translation>Die Datenbankdatei ist beschädigt.</translation>
    </message>
    <message>
        <source>The database file could not be opened.</source>
        <translation>Die Datenbankdatei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Access to the database was refused.</source>
        <translation>Der Zugriff auf die Datenbank wurde verweigert.</translation>
    </message>
    <message>
        <source>There is not enough memory for the database operation.</source>
        <translation>Für den Datenbankvorgang ist nicht genügend Arbeitsspeicher vorhanden.</translation>
    </message>
    <message>
        <source>The change breaks a rule of the rates table (%1).</source>
        <translation>Die Änderung verletzt eine Regel der Kurstabelle (%1).</translation>
    </message>
    <message>
        <source>The database reported an error: %1.</source>
        <translation>Die Datenbank hat einen Fehler gemeldet: %1.</translation>
    </message>
    <message>
        <source>Could not find file %1.</source>
        <translation>Die Datei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a rates database.</source>
        <translation>%1 ist ein Ordner, keine Kursdatenbank.</translation>
    </message>
    <message>
        <source>%1 is not a rates database.</source>
        <translation>%1 ist keine Kursdatenbank.</translation>
    </message>
    <message>
        <source>%1 is empty: it is not a rates database.</source>
        <translation>%1 ist leer und daher keine Kursdatenbank.</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Could not open %1: the encryption could not be set up.</source>
        <translation>%1 konnte nicht geöffnet werden: Die Verschlüsselung ließ sich nicht einrichten.</translation>
    </message>
    <message>
        <source>%1 is not a rates database, or it is damaged.</source>
        <translation>%1 ist keine Kursdatenbank oder ist beschädigt.</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Unzulässige Verwendung von Null</translation>
    </message>
    <message>
        <source>The table &apos;tblExchanges&apos; cannot be used: %1</source>
        <translation>Die Tabelle „tblExchanges“ kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>Entweder ist BOF oder EOF True, oder der aktuelle Datensatz wurde gelöscht. Der angeforderte Vorgang erfordert einen aktuellen Datensatz.</translation>
    </message>
    <message>
        <source>The row could not be found for updating; another program may have deleted it.</source>
        <translation>Die zu ändernde Zeile wurde nicht gefunden; vielleicht hat ein anderes Programm sie gelöscht.</translation>
    </message>
    <message>
        <source>The rates database has a layout this version of Tallyvane does not know (%1). It is left as it is.</source>
        <translation>Die Kursdatenbank hat ein Format, das diese Version von Tallyvane nicht kennt (%1). Sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>The rates database was made by a newer version of Tallyvane (layout %1; this version knows layouts up to %2). It is left as it is: use the newer version, or a copy of the file made for this one.</source>
        <translation>Die Kursdatenbank wurde von einer neueren Version von Tallyvane angelegt (Format %1; diese Version kennt Formate bis %2). Sie bleibt unverändert: Verwenden Sie die neuere Version oder eine für diese Version angelegte Kopie der Datei.</translation>
    </message>
    <message>
        <source>Cannot find the table &apos;tblExchanges&apos; in the database.</source>
        <translation>Die Tabelle „tblExchanges“ wurde in der Datenbank nicht gefunden.</translation>
    </message>
    <message>
        <source>The table &apos;tblExchanges&apos; has no field named &apos;%1&apos;.</source>
        <translation>Die Tabelle „tblExchanges“ hat kein Feld namens „%1“.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Der Vorgang ist nicht zulässig, wenn das Objekt geschlossen ist.</translation>
    </message>
    <message>
        <source>The change would give two rows the same country; each country can appear only once.</source>
        <translation>Durch die Änderung hätten zwei Zeilen dasselbe Land; jedes Land darf nur einmal vorkommen.</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal.</source>
        <translation>Ein Element, das dem angeforderten Namen oder der Ordnungszahl entspricht, wurde in der Auflistung nicht gefunden.</translation>
    </message>
    <message>
        <source>The new row has no value for %1.</source>
        <translation>Die neue Zeile hat keinen Wert für „%1“.</translation>
    </message>
    <message>
        <source>The country %1 is already in the rates table; each country can appear only once.</source>
        <translation>Das Land %1 ist bereits in der Kurstabelle; jedes Land darf nur einmal vorkommen.</translation>
    </message>
    <message>
        <source>The country %1 is named twice in the rates to write; each country can appear only once.</source>
        <translation>Das Land %1 kommt in den zu schreibenden Kursen zweimal vor; jedes Land darf nur einmal vorkommen.</translation>
    </message>
    <message>
        <source>The country %1 is not in the rates table, so its rate cannot be changed.</source>
        <translation>Das Land %1 ist nicht in der Kurstabelle, daher kann sein Kurs nicht geändert werden.</translation>
    </message>
    <message>
        <source>The rates database holds &apos;%1&apos; as the minimum commission, which is not an amount from 0 to %2.</source>
        <translation>Die Kursdatenbank enthält „%1“ als Mindestprovision; das ist kein Betrag von 0 bis %2.</translation>
    </message>
    <message>
        <source>The minimum commission must be an amount from 0 to %1.</source>
        <translation>Die Mindestprovision muss ein Betrag von 0 bis %1 sein.</translation>
    </message>
</context>
<context>
    <name>Territories</name>
    <message>
        <source>Euro area</source>
        <translation>Euroraum</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Vereinigte Staaten</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <translation>Bulgarien</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Tschechien</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Dänemark</translation>
    </message>
    <message>
        <source>Britain</source>
        <translation>Großbritannien</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation>Ungarn</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polen</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Rumänien</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Schweden</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Schweiz</translation>
    </message>
    <message>
        <source>Iceland</source>
        <translation>Island</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norwegen</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Kroatien</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Russland</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Türkei</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brasilien</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>Hongkong</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>Indonesien</translation>
    </message>
    <message>
        <source>Israel</source>
        <translation>Israel</translation>
    </message>
    <message>
        <source>India</source>
        <translation>Indien</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Südkorea</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation>Mexiko</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malaysia</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Neuseeland</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>Philippinen</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapur</translation>
    </message>
    <message>
        <source>Thailand</source>
        <translation>Thailand</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Südafrika</translation>
    </message>
</context>
<context>
    <name>UpdateRates</name>
    <message>
        <source>The rates database is not open, so no rates can be updated.</source>
        <translation>Die Kursdatenbank ist nicht geöffnet, daher können keine Kurse aktualisiert werden.</translation>
    </message>
    <message>
        <source>Update Rates</source>
        <translation>Kurse aktualisieren</translation>
    </message>
    <message>
        <source>The rates could not be updated.</source>
        <translation>Die Kurse konnten nicht aktualisiert werden.</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>&apos;%1&apos;</source>
        <extracomment>A value or a file name quoted inside a message: the language&apos;s own quotation marks around %1.</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Denomination</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>Wechselkurs</translation>
    </message>
    <message>
        <source>Date of the rate</source>
        <extracomment>The day a rate was set, kept with it.</extracomment>
        <translation>Datum des Kurses</translation>
    </message>
    <message>
        <source>Currency Code</source>
        <translation>Währungscode</translation>
    </message>
    <message>
        <source>Buy Margin (%)</source>
        <translation>Ankaufsmarge (%)</translation>
    </message>
    <message>
        <source>Sell Margin (%)</source>
        <translation>Verkaufsmarge (%)</translation>
    </message>
    <message>
        <source>Smallest Note</source>
        <translation>Kleinster Schein</translation>
    </message>
</context>
<context>
    <name>calculator::frmDayDeals</name>
    <message>
        <source>Day&apos;s Deals</source>
        <translation>Geschäfte des Tages</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Tag:</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Till</source>
        <translation>Kasse</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Angaben</translation>
    </message>
    <message>
        <source>C&amp;urrency:</source>
        <translation>&amp;Währung:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Betrag:</translation>
    </message>
    <message>
        <source>Record &amp;Float</source>
        <translation>Bestand er&amp;fassen</translation>
    </message>
    <message>
        <source>Record C&amp;ount</source>
        <translation>&amp;Zählung erfassen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken …</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>Als &amp;PDF speichern …</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;CSV exportieren …</translation>
    </message>
    <message>
        <source>The journal could not be read.</source>
        <translation>Das Journal konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Nothing was recorded.</source>
        <translation>Es wurde nichts erfasst.</translation>
    </message>
    <message>
        <source>Choose a currency and type an amount of 0 or more with at most two decimals.</source>
        <translation>Wählen Sie eine Währung und geben Sie einen Betrag ab 0 mit höchstens zwei Nachkommastellen ein.</translation>
    </message>
    <message>
        <source>A float or a count is recorded for today only.</source>
        <translation>Ein Kassenbestand oder eine Zählung wird nur für heute erfasst.</translation>
    </message>
    <message>
        <source>Deals of %1</source>
        <translation>Geschäfte vom %1</translation>
    </message>
    <message>
        <source>The day was not printed.</source>
        <translation>Der Tag wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation>Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Deals %1.pdf</source>
        <translation>Geschäfte %1.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF was not saved.</source>
        <translation>Die PDF-Datei wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Deals %1.csv</source>
        <translation>Geschäfte %1.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The CSV file was not saved.</source>
        <translation>Die CSV-Datei wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>&amp;Void Deal...</source>
        <translation>Geschäft &amp;stornieren...</translation>
    </message>
    <message>
        <source>Void Deal</source>
        <translation>Geschäft stornieren</translation>
    </message>
</context>
<context>
    <name>calculator::frmRecordDeal</name>
    <message>
        <source>Record Deal</source>
        <translation>Geschäft erfassen</translation>
    </message>
    <message>
        <source>C&amp;ustomer reference (optional):</source>
        <translation>K&amp;undenreferenz (optional):</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Erfassen</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tallyvane</source>
        <translation>Über Tallyvane</translation>
    </message>
    <message>
        <source>Tallyvane logo</source>
        <translation>Tallyvane-Logo</translation>
    </message>
    <message>
        <source>Tallyvane is freeware. Please send your comments and suggestions to</source>
        <translation>Tallyvane ist Freeware. Bitte senden Sie Ihre Anmerkungen und Vorschläge an</translation>
    </message>
    <message>
        <source>Write to Fernwick Software</source>
        <translation>An Fernwick Software schreiben</translation>
    </message>
    <message>
        <source>Writes an e-mail to Fernwick Software</source>
        <translation>Schreibt eine E-Mail an Fernwick Software</translation>
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
        <translation>Wechselkurs hinzufügen</translation>
    </message>
    <message>
        <source>To add anew exchange rate, simply fill in the fields below and press the &apos;Save&apos; button.</source>
        <translation>Um einen neuen Wechselkurs hinzuzufügen, füllen Sie einfach die Felder unten aus und klicken Sie auf „Speichern“.</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Denomination:</source>
        <translation>Währung:</translation>
    </message>
    <message>
        <source>Exchange Rate:</source>
        <translation>Wechselkurs:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Saves the new country and its rate.</extracomment>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Finished</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>The New Exchange Rate has been saved successfuly</source>
        <translation>Der neue Wechselkurs wurde erfolgreich gespeichert.</translation>
    </message>
    <message>
        <source>The new rate you typed has not been saved. Do you want to save it before closing?</source>
        <translation>Der eingegebene neue Kurs wurde noch nicht gespeichert. Möchten Sie ihn vor dem Schließen speichern?</translation>
    </message>
</context>
<context>
    <name>frmBoard</name>
    <message>
        <source>Rate Board</source>
        <translation>Kurstafel</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>Wechselkurse</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>We buy</source>
        <translation>Wir kaufen</translation>
    </message>
    <message>
        <source>We sell</source>
        <translation>Wir verkaufen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken …</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>The rate board could not read the rates.</source>
        <translation>Die Kurstafel konnte die Kurse nicht lesen.</translation>
    </message>
    <message>
        <source>The rate board was not printed.</source>
        <translation>Die Kurstafel wurde nicht gedruckt.</translation>
    </message>
</context>
<context>
    <name>frmDelete</name>
    <message>
        <source>Delete Exchange Rates</source>
        <translation>Wechselkurse löschen</translation>
    </message>
    <message>
        <source>Select the country you wish to delete and then press the delete button.</source>
        <translation>Wählen Sie das Land, das Sie löschen möchten, und klicken Sie dann auf „Löschen“.</translation>
    </message>
    <message>
        <source>Countries</source>
        <translation>Länder</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Denomination:</source>
        <translation>Währung:</translation>
    </message>
    <message>
        <source>Exchange Rate:</source>
        <translation>Wechselkurs:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Finished</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>The button that saves the changed rate (Edit Rates) or deletes it (Delete Rates).</extracomment>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>The list of countries could not be read.</source>
        <translation>Die Länderliste konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Möchten Sie %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the rates table, so nothing was deleted.</source>
        <translation>„%1“ ist nicht in der Kurstabelle, daher wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>Choose the country to change from the list first. Nothing was saved.</source>
        <translation>Wählen Sie zuerst in der Liste das Land, das Sie ändern möchten. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in the rates table, so nothing was saved.</source>
        <translation>„%1“ ist nicht mehr in der Kurstabelle, daher wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Edit Exchange Rates</source>
        <translation>Wechselkurse bearbeiten</translation>
    </message>
    <message>
        <source>Select the country you wish to edit, change its details and then click Save.</source>
        <translation>Wählen Sie das Land, das Sie bearbeiten möchten, ändern Sie die Angaben und klicken Sie dann auf „Speichern“.</translation>
    </message>
</context>
<context>
    <name>frmHUD</name>
    <message>
        <source>Convert From:</source>
        <translation>Umrechnen von:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Convert From: country</source>
        <translation>Umrechnen von: Land</translation>
    </message>
    <message>
        <source>Denomination:</source>
        <translation>Währung:</translation>
    </message>
    <message>
        <source>Convert From: denomination</source>
        <translation>Umrechnen von: Währung</translation>
    </message>
    <message>
        <source>Exchange Rate:</source>
        <translation>Wechselkurs:</translation>
    </message>
    <message>
        <source>Convert From: exchange rate</source>
        <translation>Umrechnen von: Wechselkurs</translation>
    </message>
    <message>
        <source>Convert To:</source>
        <translation>Umrechnen in:</translation>
    </message>
    <message>
        <source>Convert To: country</source>
        <translation>Umrechnen in: Land</translation>
    </message>
    <message>
        <source>Convert To: denomination</source>
        <translation>Umrechnen in: Währung</translation>
    </message>
    <message>
        <source>Convert To: exchange rate</source>
        <translation>Umrechnen in: Wechselkurs</translation>
    </message>
    <message>
        <source>Currency:</source>
        <extracomment>The group of the amount to convert and the commission.</extracomment>
        <translation>Umtausch:</translation>
    </message>
    <message>
        <source>Convert:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Amount to convert</source>
        <translation>Umzurechnender Betrag</translation>
    </message>
    <message>
        <source>Commission:</source>
        <translation>Provision:</translation>
    </message>
    <message>
        <source>Commission percentage</source>
        <translation>Provision in Prozent</translation>
    </message>
    <message>
        <source>Totals:</source>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <source>Exchange:</source>
        <translation>Gegenwert:</translation>
    </message>
    <message>
        <source>Exchange</source>
        <extracomment>The exchanged amount, before the commission is taken off.</extracomment>
        <translation>Gegenwert</translation>
    </message>
    <message>
        <source>Commission</source>
        <translation>Provision</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Endbetrag:</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>What remains once the commission is taken off.</extracomment>
        <translation>Endbetrag</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>The window&apos;s access keys (its labels, buttons and the menu bar&apos;s titles) must all differ.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Umrechnen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Exchange &amp;Rates</source>
        <translation>&amp;Wechselkurse</translation>
    </message>
    <message>
        <source>&amp;Add Rates</source>
        <translation>Kurse &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit Rates</source>
        <translation>Kurse b&amp;earbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete Rates</source>
        <translation>Kurse &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Import Rates...</source>
        <translation>Kurse &amp;importieren …</translation>
    </message>
    <message>
        <source>Ex&amp;port Rates...</source>
        <translation>Kurse ex&amp;portieren …</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;About Tallyvane</source>
        <translation>Ü&amp;ber Tallyvane</translation>
    </message>
    <message>
        <source>&amp;Visit Fernwick</source>
        <extracomment>Opens the maker&apos;s web site; Fernwick is the maker&apos;s name.</extracomment>
        <translation>&amp;Fernwick besuchen</translation>
    </message>
    <message>
        <source>Visit &amp;Community</source>
        <translation>&amp;Community besuchen</translation>
    </message>
    <message>
        <source>&amp;E-Mail</source>
        <translation>&amp;E-Mail</translation>
    </message>
    <message>
        <source>&amp;Inland Revenue (UK)</source>
        <extracomment>Opens the UK tax authority&apos;s page of exchange rates.</extracomment>
        <translation>Britische &amp;Steuerbehörde</translation>
    </message>
    <message>
        <source>Rate of %1</source>
        <extracomment>The tooltip of a rate box: the day the rate was set.</extracomment>
        <translation>Kurs vom %1</translation>
    </message>
    <message>
        <source>Paid out:</source>
        <extracomment>The part of the total the till pays in notes of the currency.</extracomment>
        <translation>Ausgezahlt:</translation>
    </message>
    <message>
        <source>Paid out</source>
        <translation>Ausgezahlt</translation>
    </message>
    <message>
        <source>Paid in pounds:</source>
        <extracomment>The rest of the total, smaller than the smallest note, paid in pounds.</extracomment>
        <translation>Rest in Pfund:</translation>
    </message>
    <message>
        <source>Paid in pounds</source>
        <translation>Rest in Pfund</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <extracomment>Opens the till&apos;s settings, such as the minimum commission.</extracomment>
        <translation>Ein&amp;stellungen …</translation>
    </message>
    <message>
        <source>We buy at %1</source>
        <extracomment>Under the Convert From rate box: the rate at which the bureau buys that currency, its margin taken.</extracomment>
        <translation>Wir kaufen zu %1</translation>
    </message>
    <message>
        <source>We sell at %1</source>
        <extracomment>Under the Convert To rate box: the rate at which the bureau sells that currency.</extracomment>
        <translation>Wir verkaufen zu %1</translation>
    </message>
    <message>
        <source>The minimum commission could not be read.</source>
        <translation>Die Mindestprovision konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Commission (minimum):</source>
        <translation>Provision (Minimum):</translation>
    </message>
    <message>
        <source>&amp;Update Rates...</source>
        <translation>Kurse &amp;aktualisieren …</translation>
    </message>
    <message>
        <source>Rate &amp;Board</source>
        <translation>&amp;Kurstafel</translation>
    </message>
    <message>
        <source>The journal command failed.</source>
        <translation>Der Journalbefehl ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Erfassen</translation>
    </message>
    <message>
        <source>&amp;Record Deal</source>
        <translation>Geschäft e&amp;rfassen</translation>
    </message>
    <message>
        <source>Repri&amp;nt Receipt...</source>
        <translation>Quittung erneut &amp;drucken …</translation>
    </message>
    <message>
        <source>&amp;Void Last Deal...</source>
        <translation>Letztes Geschäft st&amp;ornieren …</translation>
    </message>
    <message>
        <source>Da&amp;y&apos;s Deals...</source>
        <translation>Geschäfte des &amp;Tages …</translation>
    </message>
    <message>
        <source>Check &amp;Journal</source>
        <translation>&amp;Journal prüfen</translation>
    </message>
</context>
<context>
    <name>frmImportRates</name>
    <message>
        <source>Rates to Import</source>
        <translation>Zu importierende Kurse</translation>
    </message>
    <message>
        <source>Tick the rates to import. New countries are not ticked. A change of more than 25 % is marked with a warning sign: look twice.</source>
        <translation>Wählen Sie die Kurse aus, die importiert werden sollen. Neue Länder sind nicht ausgewählt. Eine Änderung um mehr als 25&#xa0;% ist mit einem Warnzeichen markiert: Prüfen Sie sie genau.</translation>
    </message>
    <message>
        <source>Proposed changes</source>
        <translation>Vorgeschlagene Änderungen</translation>
    </message>
    <message>
        <source>&amp;Tick all</source>
        <translation>Alle &amp;auswählen</translation>
    </message>
    <message>
        <source>Tick all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>&amp;Untick all</source>
        <translation>Alle a&amp;bwählen</translation>
    </message>
    <message>
        <source>Untick all</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>In the Change column: a country the table does not have yet.</extracomment>
        <translation>neu</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>In the Matched by column: the file&apos;s row has the table&apos;s country name.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Currency %1 (%2)</source>
        <extracomment>In the Matched by column: %1 a currency code, %2 the file&apos;s country of that currency.</extracomment>
        <translation>Währung %1 (%2)</translation>
    </message>
    <message>
        <source>Same country (%1)</source>
        <extracomment>In the Matched by column: %1 the file&apos;s name for the table&apos;s country.</extracomment>
        <translation>Gleiches Land (%1)</translation>
    </message>
    <message>
        <source>New country</source>
        <translation>Neues Land</translation>
    </message>
    <message>
        <source>File: %1, %2</source>
        <extracomment>%1 the file&apos;s name, %2 its kind.</extracomment>
        <translation>Datei: %1, %2</translation>
    </message>
    <message>
        <source>Rates as of the date given on each row</source>
        <extracomment>%1 a day or a period of days.</extracomment>
        <translation>Kurse zum Datum der jeweiligen Zeile</translation>
    </message>
    <message>
        <source>Rates of %1</source>
        <translation>Kurse vom %1</translation>
    </message>
    <message>
        <source>Left out:</source>
        <extracomment>Above the rows of the file that were not taken, one a line.</extracomment>
        <translation>Nicht übernommen:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Unit</source>
        <extracomment>Column header: the currency&apos;s name.</extracomment>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Current rate</source>
        <translation>Aktueller Kurs</translation>
    </message>
    <message>
        <source>Rate of</source>
        <extracomment>Column header: the day the current rate was set.</extracomment>
        <translation>Kurs vom</translation>
    </message>
    <message>
        <source>New rate</source>
        <translation>Neuer Kurs</translation>
    </message>
    <message>
        <source>New rate of</source>
        <extracomment>Column header: the day the new rate is of.</extracomment>
        <translation>Neuer Kurs vom</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Column header: the change from the current rate to the new one, in percent.</extracomment>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Matched by</source>
        <extracomment>Column header: how the file&apos;s row was found for the table&apos;s country.</extracomment>
        <translation>Zugeordnet über</translation>
    </message>
    <message>
        <source>Changes by more than 25 %: look twice.</source>
        <translation>Änderung um mehr als 25&#xa0;%: Bitte genau prüfen.</translation>
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
            <numerusform>%n von %1 ausgewählt</numerusform>
            <numerusform>%n von %1 ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A change in percent: %1 the signed figure, as +5.00 or -0.25.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>frmSettings</name>
    <message>
        <source>Settings</source>
        <extracomment>The title of the dialog of the till&apos;s settings (File &gt; Settings...).</extracomment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The settings could not be read.</source>
        <translation>Die Einstellungen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>&amp;Commission</source>
        <extracomment>A tab of the Settings dialog: what a deal costs beyond the rates.</extracomment>
        <translation>&amp;Provision</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Rates</source>
        <extracomment>A tab of the Settings dialog: when rates are old, and where they come from.</extracomment>
        <translation>&amp;Kurse</translation>
    </message>
    <message>
        <source>Recei&amp;pts</source>
        <translation>&amp;Quittungen</translation>
    </message>
</context>
<context>
    <name>frmUpdateRates</name>
    <message>
        <source>HMRC&apos;s monthly rates for</source>
        <translation>Monatskurse der HMRC für</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>The European Central Bank&apos;s daily reference rates</source>
        <translation>Tägliche Referenzkurse der Europäischen Zentralbank</translation>
    </message>
    <message>
        <source>&amp;Fetch</source>
        <translation>&amp;Abrufen</translation>
    </message>
    <message>
        <source>Fetching %1 ...</source>
        <extracomment>%1 is the address being fetched.</extracomment>
        <translation>%1 wird abgerufen …</translation>
    </message>
    <message>
        <source>Do you want the rates for %1 instead?</source>
        <extracomment>%1 is a month and its year.</extracomment>
        <translation>Möchten Sie stattdessen die Kurse für %1?</translation>
    </message>
</context>
<context>
    <name>maintenance::CommissionPage</name>
    <message>
        <source>Minimum commission (£):</source>
        <translation>Mindestprovision (£):</translation>
    </message>
    <message>
        <source>A deal&apos;s commission is never less than this amount, converted into the currency paid out. 0 sets no minimum.</source>
        <translation>Die Provision eines Geschäfts ist nie kleiner als dieser Betrag, umgerechnet in die ausgezahlte Währung. 0 setzt kein Minimum.</translation>
    </message>
</context>
<context>
    <name>maintenance::RateSourceSettings</name>
    <message>
        <source>Never</source>
        <extracomment>Shown for 0 days: rates never count as old.</extracomment>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Rates are old after (days):</source>
        <translation>Kurse veralten nach (Tagen):</translation>
    </message>
    <message>
        <source>Refuse to record a deal on an old rate</source>
        <translation>Kein Geschäft zu veraltetem Kurs erfassen</translation>
    </message>
    <message>
        <source>HMRC monthly rates ({year}, {month}):</source>
        <extracomment>{year} and {month} stand for the year and the month&apos;s number; keep them as they are.</extracomment>
        <translation>HMRC-Monatskurse ({year}, {month}):</translation>
    </message>
    <message>
        <source>ECB daily rates:</source>
        <translation>EZB-Tageskurse:</translation>
    </message>
    <message>
        <source>Head office</source>
        <translation>Zentrale</translation>
    </message>
    <message>
        <source>Address (https):</source>
        <translation>Adresse (https):</translation>
    </message>
    <message>
        <source>Public key:</source>
        <translation>Öffentlicher Schlüssel:</translation>
    </message>
    <message>
        <source>Fetch every (minutes):</source>
        <translation>Abrufen alle (Minuten):</translation>
    </message>
    <message>
        <source>Set for this machine in %1; only its administrator can change it.</source>
        <translation>Für diesen Computer in %1 festgelegt; nur sein Administrator kann das ändern.</translation>
    </message>
    <message>
        <source>Leave the address empty unless this till takes its rates from head office. A change takes effect when Tallyvane next starts.</source>
        <translation>Lassen Sie die Adresse leer, wenn diese Kasse ihre Kurse nicht von der Zentrale bezieht. Eine Änderung wirkt ab dem nächsten Start von Tallyvane.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The address %1 is not an https address. Nothing was saved.</source>
        <extracomment>%1 is the address typed.</extracomment>
        <translation>Die Adresse %1 ist keine https-Adresse. Es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>maintenance::ReceiptSettings</name>
    <message>
        <source>Till name:</source>
        <translation>Name der Kasse:</translation>
    </message>
    <message>
        <source>Shop name:</source>
        <translation>Ladenname:</translation>
    </message>
    <message>
        <source>Shop address:</source>
        <translation>Ladenanschrift:</translation>
    </message>
    <message>
        <source>Nowhere</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>The printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>A folder of PDF files</source>
        <translation>Ordner mit PDF-Dateien</translation>
    </message>
    <message>
        <source>Receipts go to:</source>
        <translation>Ausgabe der Quittungen:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>Receipt folder:</source>
        <translation>Quittungsordner:</translation>
    </message>
    <message>
        <source>80 mm roll</source>
        <translation>80-mm-Rolle</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Receipt layout:</source>
        <translation>Quittungsformat:</translation>
    </message>
    <message>
        <source>Choose the folder where receipts are saved.</source>
        <translation>Wählen Sie den Ordner, in dem die Quittungen gespeichert werden.</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>Die Einstellungsdatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Receipt Folder</source>
        <translation>Quittungsordner</translation>
    </message>
</context>
</TS>
