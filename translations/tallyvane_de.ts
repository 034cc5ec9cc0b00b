<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CountryList</name>
    <message>
        <source>&quot;%1&quot; is no longer in the rates table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate of &quot;%1&quot; could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There were errors while trying to fill the countries lists.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>There was a problem connecting to the Exchange rates database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check if the database is at the following location:</source>
        <extracomment>Followed by the rates file&apos;s path on a line of its own.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a problem launching Tallyvane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can still run the software, but you may experience problems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to continue loading Tallyvane?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation (de, fr, es, pl, ...): dates take their month names from it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>A day as dates are written, in Qt&apos;s date format: d the day, MMMM the month&apos;s name, yyyy the year.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>The amount is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exchange rate of the Convert From country is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exchange rate of the Convert To country is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The commission is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exchange rate of the Convert From country is too large to use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exchange rate of the Convert To country is too large to use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The commission is too large to use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result is too large to show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exchange rate of the Convert From country is 0, so the amount cannot be converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exchange could not be calculated.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Save Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR #: %1</source>
        <extracomment>The first of two lines closing a failure report; %1 is the error&apos;s number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR  :%1</source>
        <extracomment>The second line, under &quot;ERROR #: %1&quot;; %1 is the error&apos;s description.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the problem persists, please report the following details to Fernwick Software:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FigureLabel</name>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader says for a result: its name, then the figure.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportExport</name>
    <message>
        <source>%1 has nothing to change: the rates table already holds every rate it gives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the file were left out:</source>
        <extracomment>Followed by the rows, one a line.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The rates database is not open, so no rates can be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate files (*.csv *.xml);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters: keep the patterns in brackets and the ;; between filters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n rates imported from %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The rates database is not open, so there are no rates to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters: keep the patterns in brackets and the ;; between filters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rates were not exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n rates exported to %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Import Rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rates could not be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rates could not be exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Maintenance</name>
    <message>
        <source>You may not change the rates on this computer: ask the administrator to add you to the group %1, then log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rates cannot be changed because %1 is on a read-only disk: ask the administrator to make it writable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rates cannot be changed because the rates file %1 is read-only for you: ask the administrator to let you write to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rates cannot be changed because the folder %1, where the rates file keeps its journal while saving, is read-only for you: ask the administrator to let you write to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a problem saving the data.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RateFileWords</name>
    <message>
        <source>UK monthly rates (CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UK monthly rates (XML)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>European Central Bank daily rates (XML)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>European Central Bank daily rates (CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallyvane export</source>
        <extracomment>A file written by the program&apos;s File &gt; Export Rates.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A period of days, from the first to the last.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RateFiles</name>
    <message>
        <source>%1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a rate file this program knows: its first line is neither the header of published rates nor that of an export.</source>
        <extracomment>Said of the file; follows &quot;&lt;file&gt;, line &lt;number&gt;:&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the XML is malformed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a rate file this program knows: its XML starts with &lt;%2&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large for a rate file (over %2 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a text file (it holds binary data).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A rate&apos;s column or element in the file, then what is wrong with the rate.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate %1 is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate %1 is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate %1 is too small.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate %1 is not above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate %1 is not a number: a decimal comma is read only in a file whose fields are separated by semicolons or tabs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate %1 holds both &apos;.&apos; and &apos;,&apos;: thousands separators are not read, so write the rate without them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate %1 has a decimal comma where the rate on line %2 has a decimal point: thousands separators are not read, so the rates of a file use one decimal mark.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate %1 has a decimal point where the rate on line %2 has a decimal comma: thousands separators are not read, so the rates of a file use one decimal mark.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected %1 fields, found %2 (separated by semicolons, as on the first line).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected %1 fields, found %2 (separated by tabs, as on the first line).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected %1 fields, found %2 (separated by commas, as on the first line).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds more than %1 rates, more than this program takes from one file (a published file holds a few hundred).</source>
        <extracomment>Said of the rate file; follows &quot;&lt;file&gt;, line &lt;number&gt;:&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the country %1 is listed twice (first on line %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the country is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the start date %1 is not a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the end date %1 is not a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no rates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the period %1 is not two dates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the period&apos;s first day %1 is not a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the period&apos;s last day %1 is not a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>element &lt;exchangeRate&gt; has no &lt;countryName&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>element &lt;exchangeRate&gt; of %1 has no &lt;rateNew&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>element &lt;rateNew&gt; of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the XML is malformed or cut short: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;: time %1 is not a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;: %1 is not a currency code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;: a rate without a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1 of the header: %2 is not a currency code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1 of the header: the currency %2 is listed twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the day %1 is not a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the currency %1 is listed twice for %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has no rate for the pound (GBP) on %1, so its rates per euro cannot be turned into rates per pound.</source>
        <extracomment>Said of the rate file; follows &quot;&lt;file&gt;, line &lt;number&gt;:&quot;. %1 is a day.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate of %1 cannot be turned into a rate per pound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the date %1 is not a date (YYYY-MM-DD, or DD.MM.YYYY as spreadsheets save it).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quote inside an unquoted field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quoted field is not closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text after a closing quote.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 fields on one line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the country name &apos;%2&apos; is longer than %3 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not an ordinary file (a device, a pipe or the like)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (its folder allows no new file beside it, and the old file is never written over in place)</source>
        <extracomment>Why a file could not be written; %1 is the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new file is in place, but its folder could not be synced: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The database is locked by another program. Try again when it has finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database is read-only: changes cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk holding the database is full: changes cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database file could not be read or written (disk error).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database file is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database file could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access to the database was refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory for the database operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change breaks a rule of the rates table (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database reported an error: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder, not a rates database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a rates database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is empty: it is not a rates database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open %1: the encryption could not be set up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a rates database, or it is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table &apos;tblExchanges&apos; cannot be used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The row could not be found for updating; another program may have deleted it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new row has no value for &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rates database has a layout this version of Tallyvane does not know (%1). It is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rates database was made by a newer version of Tallyvane (layout %1; this version knows layouts up to %2). It is left as it is: use the newer version, or a copy of the file made for this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot find the table &apos;tblExchanges&apos; in the database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table &apos;tblExchanges&apos; has no field named &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &apos;%1&apos; field cannot be empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text for &apos;%1&apos; contains a null character, which cannot be stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text for &apos;%1&apos; is longer than %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &apos;%2&apos;: a rate must be greater than 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too small for &apos;%2&apos;: the smallest rate the table can hold is about 2.2E-308.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country &apos;%1&apos; is already in the rates table; each country can appear only once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change would give two rows the same country; each country can appear only once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large for &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &apos;%2&apos;: a date is written YYYY-MM-DD.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country &apos;%1&apos; is named twice in the rates to write; each country can appear only once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The country &apos;%1&apos; is not in the rates table, so its rate cannot be changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tallyvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallyvane logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallyvane is freeware. Please send your comments and suggestions to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to Fernwick Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes an e-mail to Fernwick Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAddExchange</name>
    <message>
        <source>Add Exchange Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To add anew exchange rate, simply fill in the fields below and press the &apos;Save&apos; button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Denomination:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exchange Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Saves the new country and its rate.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The New Exchange Rate has been saved successfuly</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmDelete</name>
    <message>
        <source>Delete Exchange Rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the country you wish to delete and then press the delete button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Countries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Denomination:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exchange Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>The button that saves the changed rate (Edit Rates) or deletes it (Delete Rates).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of countries could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the rates table, so nothing was deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the country to change from the list first. Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in the rates table, so nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmHUD</name>
    <message>
        <source>Convert From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert From: country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Denomination:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert From: denomination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exchange Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert From: exchange rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert To: country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert To: denomination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert To: exchange rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency:</source>
        <extracomment>The group of the amount to convert and the commission.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commission:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commission percentage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exchange:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exchange</source>
        <extracomment>The exchanged amount, before the commission is taken off.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>What remains once the commission is taken off.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>The window&apos;s access keys (its labels, buttons and the menu bar&apos;s titles) must all differ.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exchange &amp;Rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Rates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ex&amp;port Rates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Tallyvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Fernwick</source>
        <extracomment>Opens the maker&apos;s web site; Fernwick is the maker&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit &amp;Community</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Inland Revenue (UK)</source>
        <extracomment>Opens the UK tax authority&apos;s page of exchange rates.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate of %1</source>
        <extracomment>The tooltip of a rate box: the day the rate was set.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmImportRates</name>
    <message>
        <source>Rates to Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the rates to import. New countries are not ticked. A change of more than 25 % is marked with a warning sign: look twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proposed changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tick all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Untick all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untick all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>In the Change column: a country the table does not have yet.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>In the Matched by column: the file&apos;s row has the table&apos;s country name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency %1 (%2)</source>
        <extracomment>In the Matched by column: %1 a currency code, %2 the file&apos;s country of that currency.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same country (%1)</source>
        <extracomment>In the Matched by column: %1 the file&apos;s name for the table&apos;s country.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File: %1, %2</source>
        <extracomment>%1 the file&apos;s name, %2 its kind.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rates as of the date given on each row</source>
        <extracomment>%1 a day or a period of days.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rates of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out:</source>
        <extracomment>Above the rows of the file that were not taken, one a line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <extracomment>Column header: the currency&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate of</source>
        <extracomment>Column header: the day the current rate was set.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New rate of</source>
        <extracomment>Column header: the day the new rate is of.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Column header: the change from the current rate to the new one, in percent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matched by</source>
        <extracomment>Column header: how the file&apos;s row was found for the table&apos;s country.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes by more than 25 %: look twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What a screen reader says for a marked change: the change, then the warning.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 ticked</source>
        <extracomment>%n rows ticked of %1 rows in all.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
