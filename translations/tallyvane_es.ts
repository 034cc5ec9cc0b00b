<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>--day-report needs a day written YYYY-MM-DD.</source>
        <translation>--day-report necesita un día escrito como YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>--day-report needs one of --pdf OUT.pdf and --csv OUT.csv.</source>
        <translation>--day-report necesita --pdf OUT.pdf o --csv OUT.csv.</translation>
    </message>
    <message>
        <source>%1: there is no such file.</source>
        <translation>%1: no existe ese archivo.</translation>
    </message>
    <message>
        <source>%1: the journal is whole.</source>
        <translation>%1: el diario está íntegro.</translation>
    </message>
    <message>
        <source>%1: entry %2 does not match what was recorded.</source>
        <translation>%1: la entrada %2 no coincide con lo registrado.</translation>
    </message>
    <message>
        <source>Checks the journal of deals (or FILE) and names the first entry that does not match.</source>
        <translation>Comprueba el diario de operaciones (o FILE) e indica la primera entrada que no coincide.</translation>
    </message>
    <message>
        <source>Writes the deals of DAY (YYYY-MM-DD) with --pdf or --csv.</source>
        <translation>Escribe las operaciones de DAY (YYYY-MM-DD) con --pdf o --csv.</translation>
    </message>
    <message>
        <source>The day&apos;s report as a PDF file.</source>
        <translation>El informe del día en un archivo PDF.</translation>
    </message>
    <message>
        <source>The day&apos;s report as a CSV file.</source>
        <translation>El informe del día en un archivo CSV.</translation>
    </message>
    <message>
        <source>Fetches and applies head office&apos;s rates once.</source>
        <translation>Descarga y aplica una vez los tipos de cambio de la central.</translation>
    </message>
    <message>
        <source>Writes the program&apos;s own export of its rates to FILE.</source>
        <translation>Escribe en FILE la exportación propia del programa de sus tipos de cambio.</translation>
    </message>
    <message>
        <source>The journal --check-journal checks.</source>
        <translation>El diario que comprueba --check-journal.</translation>
    </message>
    <message>
        <source>--check-journal takes at most one file.</source>
        <translation>--check-journal admite como máximo un archivo.</translation>
    </message>
    <message>
        <source>Unexpected arguments: see --help.</source>
        <translation>Argumentos inesperados: consulte --help.</translation>
    </message>
    <message>
        <source>--reprint-receipt needs a deal&apos;s number.</source>
        <translation>--reprint-receipt necesita el número de una operación.</translation>
    </message>
    <message>
        <source>The settings send receipts nowhere: choose a printer or a folder first.</source>
        <translation>La configuración no envía los recibos a ningún sitio: elija antes una impresora o una carpeta.</translation>
    </message>
    <message>
        <source>Entry %1 is not a deal.</source>
        <translation>La entrada %1 no es una operación.</translation>
    </message>
    <message>
        <source>Issues deal N&apos;s receipt again, marked COPY, where the settings send receipts.</source>
        <translation>Vuelve a emitir el recibo de la operación N, marcado COPIA, donde la configuración envía los recibos.</translation>
    </message>
</context>
<context>
    <name>CommissionPage</name>
    <message>
        <source>Minimum commission (£)</source>
        <extracomment>The box of the Settings dialog, followed by a colon; the pound sign is the currency of the till.</extracomment>
        <translation>Comisión mínima (£)</translation>
    </message>
</context>
<context>
    <name>CountryList</name>
    <message>
        <source>&quot;%1&quot; is no longer in the rates table.</source>
        <translation>«%1» ya no está en la tabla de tipos de cambio.</translation>
    </message>
    <message>
        <source>The rate of &quot;%1&quot; could not be read.</source>
        <translation>No se ha podido leer el tipo de cambio de «%1».</translation>
    </message>
    <message>
        <source>There were errors while trying to fill the countries lists.</source>
        <translation>Se han producido errores al cargar las listas de países.</translation>
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
        <translation>dólar</translation>
    </message>
    <message>
        <source>Yen</source>
        <translation>yen</translation>
    </message>
    <message>
        <source>Lev</source>
        <translation>lev</translation>
    </message>
    <message>
        <source>Koruna</source>
        <translation>corona</translation>
    </message>
    <message>
        <source>Krone</source>
        <translation>corona</translation>
    </message>
    <message>
        <source>Pound</source>
        <translation>libra</translation>
    </message>
    <message>
        <source>Forint</source>
        <translation>forinto</translation>
    </message>
    <message>
        <source>Zloty</source>
        <translation>esloti</translation>
    </message>
    <message>
        <source>Leu</source>
        <translation>leu</translation>
    </message>
    <message>
        <source>Krona</source>
        <translation>corona</translation>
    </message>
    <message>
        <source>Franc</source>
        <translation>franco</translation>
    </message>
    <message>
        <source>Kuna</source>
        <translation>kuna</translation>
    </message>
    <message>
        <source>Rouble</source>
        <translation>rublo</translation>
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
        <translation>yuan</translation>
    </message>
    <message>
        <source>Rupiah</source>
        <translation>rupia</translation>
    </message>
    <message>
        <source>Shekel</source>
        <translation>séquel</translation>
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
        <translation>ringit</translation>
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
        <translation>Se ha producido un problema al conectar con la base de datos de tipos de cambio.</translation>
    </message>
    <message>
        <source>Check if the database is at the following location:</source>
        <extracomment>Followed by the rates file&apos;s path on a line of its own.</extracomment>
        <translation>Compruebe que la base de datos se encuentra en esta ubicación:</translation>
    </message>
    <message>
        <source>There was a problem launching Tallyvane.</source>
        <translation>Se ha producido un problema al iniciar Tallyvane.</translation>
    </message>
    <message>
        <source>You can still run the software, but you may experience problems.</source>
        <translation>Puede seguir usando el programa, pero es posible que surjan problemas.</translation>
    </message>
    <message>
        <source>Would you like to continue loading Tallyvane?</source>
        <translation>¿Desea seguir iniciando Tallyvane?</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation (de, fr, es, pl, ...): dates take their month names from it.</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>A day as dates are written, in Qt&apos;s date format: d the day, MMMM the month&apos;s name, yyyy the year.</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
</context>
<context>
    <name>DayReport</name>
    <message>
        <source>Deal</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Void</source>
        <translation>Anulación</translation>
    </message>
    <message>
        <source>Opening float</source>
        <translation>Fondo inicial</translation>
    </message>
    <message>
        <source>Closing count</source>
        <translation>Recuento de cierre</translation>
    </message>
    <message>
        <source>%1 %2 for %3 %4</source>
        <translation>%1 %2 por %3 %4</translation>
    </message>
    <message>
        <source>voids %1: %2</source>
        <translation>anula %1: %2</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Bought</source>
        <translation>Comprado</translation>
    </message>
    <message>
        <source>Sold</source>
        <translation>Vendido</translation>
    </message>
    <message>
        <source>Commission</source>
        <translation>Comisión</translation>
    </message>
    <message>
        <source>Commission (£)</source>
        <translation>Comisión (£)</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Previsto</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Deals of %1</source>
        <translation>Operaciones del %1</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Till</source>
        <translation>Caja</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
</context>
<context>
    <name>DealRecording</name>
    <message>
        <source>The deal was not recorded.</source>
        <translation>No se ha registrado la operación.</translation>
    </message>
    <message>
        <source>Deal %1 is recorded, but its receipt could not be issued.</source>
        <translation>La operación %1 se ha registrado, pero no se ha podido emitir su recibo.</translation>
    </message>
    <message>
        <source>The journal holds no deal yet.</source>
        <translation>El diario aún no contiene ninguna operación.</translation>
    </message>
    <message>
        <source>Reprint Receipt</source>
        <translation>Reimprimir recibo</translation>
    </message>
    <message>
        <source>Number of the deal:</source>
        <translation>Número de operación:</translation>
    </message>
    <message>
        <source>Entry %1 is not a deal.</source>
        <translation>La entrada %1 no es una operación.</translation>
    </message>
    <message>
        <source>The receipt could not be issued.</source>
        <translation>No se ha podido emitir el recibo.</translation>
    </message>
    <message>
        <source>The journal could not be read.</source>
        <translation>No se ha podido leer el diario.</translation>
    </message>
    <message>
        <source>There is no deal to void.</source>
        <translation>No hay ninguna operación que anular.</translation>
    </message>
    <message>
        <source>Void deal %1: %2 %3 for %4 %5?</source>
        <translation>¿Anular la operación %1: %2 %3 por %4 %5?</translation>
    </message>
    <message>
        <source>Void Last Deal</source>
        <translation>Anular última operación</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Motivo:</translation>
    </message>
    <message>
        <source>A void needs a reason: nothing was recorded.</source>
        <translation>Una anulación necesita un motivo: no se ha registrado nada.</translation>
    </message>
    <message>
        <source>Deal %1 is void (entry %2).</source>
        <translation>La operación %1 está anulada (entrada %2).</translation>
    </message>
    <message>
        <source>Nothing was voided.</source>
        <translation>No se ha anulado nada.</translation>
    </message>
    <message>
        <source>Entry %1 of the journal does not match what was recorded: it, or the entry before it, has been changed outside Tallyvane. New deals are still recorded.</source>
        <translation>La entrada %1 del diario no coincide con lo registrado: ella o la entrada anterior se han modificado fuera de Tallyvane. Las operaciones nuevas se siguen registrando.</translation>
    </message>
    <message>
        <source>The journal is whole: every entry matches what was recorded.</source>
        <translation>El diario está íntegro: todas las entradas coinciden con lo registrado.</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>The amount is not a number.</source>
        <translation>El importe no es un número.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert From country is not a number.</source>
        <translation>El tipo de cambio del país de origen no es un número.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert To country is not a number.</source>
        <translation>El tipo de cambio del país de destino no es un número.</translation>
    </message>
    <message>
        <source>The commission is not a number.</source>
        <translation>La comisión no es un número.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>El importe es demasiado grande para convertirlo.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert From country is too large to use.</source>
        <translation>El tipo de cambio del país de origen es demasiado alto para usarlo.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert To country is too large to use.</source>
        <translation>El tipo de cambio del país de destino es demasiado alto para usarlo.</translation>
    </message>
    <message>
        <source>The commission is too large to use.</source>
        <translation>La comisión es demasiado alta para aplicarla.</translation>
    </message>
    <message>
        <source>The result is too large to show.</source>
        <translation>El resultado es demasiado grande para mostrarlo.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert From country is 0, so the amount cannot be converted.</source>
        <translation>El tipo de cambio del país de origen es 0, así que no se puede convertir el importe.</translation>
    </message>
    <message>
        <source>The exchange could not be calculated.</source>
        <translation>No se ha podido calcular el cambio.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Save Error</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>ERROR #: %1</source>
        <extracomment>The first of two lines closing a failure report; %1 is the error&apos;s number.</extracomment>
        <translation>ERROR N.º: %1</translation>
    </message>
    <message>
        <source>ERROR  :%1</source>
        <extracomment>The second line, under &quot;ERROR #: %1&quot;; %1 is the error&apos;s description.</extracomment>
        <translation>ERROR    :%1</translation>
    </message>
    <message>
        <source>If the problem persists, please report the following details to Fernwick Software:</source>
        <translation>Si el problema persiste, comunique los siguientes datos a Fernwick Software:</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
</context>
<context>
    <name>Feed</name>
    <message>
        <source>The head office key cannot be read: it must be the key line of a minisign public key file.</source>
        <translation>No se puede leer la clave de la central: debe ser la línea de clave de un archivo de clave pública de minisign.</translation>
    </message>
    <message>
        <source>The signature file is not a minisign signature.</source>
        <translation>El archivo de firma no es una firma de minisign.</translation>
    </message>
    <message>
        <source>The signature is of a kind this program does not know.</source>
        <translation>La firma es de un tipo que este programa no conoce.</translation>
    </message>
    <message>
        <source>The file is signed with another key than the head office key.</source>
        <translation>El archivo está firmado con una clave distinta de la de la central.</translation>
    </message>
    <message>
        <source>The file does not match its signature: it was changed or cut short.</source>
        <translation>El archivo no coincide con su firma: se ha modificado o está incompleto.</translation>
    </message>
    <message>
        <source>The signature&apos;s trusted comment was changed.</source>
        <translation>Se ha modificado el comentario de confianza de la firma.</translation>
    </message>
    <message>
        <source>The signature carries no time, so the file cannot be told from an older one.</source>
        <translation>La firma no lleva fecha, así que no se puede distinguir el archivo de uno más antiguo.</translation>
    </message>
    <message>
        <source>%1 sent the program on to %2, which is not https: rates are fetched over https only.</source>
        <translation>%1 redirigió el programa a %2, que no es https: los tipos de cambio solo se descargan por https.</translation>
    </message>
    <message>
        <source>%1 is not an https address: rates are fetched over https only.</source>
        <translation>%1 no es una dirección https: los tipos de cambio solo se descargan por https.</translation>
    </message>
    <message>
        <source>%1 cannot be reached: there is no network connection, or the server cannot be found or does not answer.</source>
        <translation>No se puede acceder a %1: no hay conexión de red, o no se encuentra el servidor o este no responde.</translation>
    </message>
    <message>
        <source>%1 is not on the server (it may not be published yet).</source>
        <translation>%1 no está en el servidor (puede que aún no se haya publicado).</translation>
    </message>
    <message>
        <source>The server of %1 cannot prove who it is: its certificate does not verify.</source>
        <translation>El servidor de %1 no puede demostrar su identidad: su certificado no es válido.</translation>
    </message>
    <message>
        <source>%1 is larger than a rate file may be (%2); nothing was kept.</source>
        <translation>%1 es mayor de lo que puede ser un archivo de tipos de cambio (%2); no se ha guardado nada.</translation>
    </message>
    <message>
        <source>%1 did not come in time: the server stopped answering.</source>
        <translation>%1 no llegó a tiempo: el servidor dejó de responder.</translation>
    </message>
    <message>
        <source>The download of %1 was cancelled.</source>
        <translation>Se ha cancelado la descarga de %1.</translation>
    </message>
    <message>
        <source>The server refused %1 (HTTP status %2).</source>
        <translation>El servidor rechazó %1 (estado HTTP %2).</translation>
    </message>
    <message>
        <source>The download of %1 was cut short.</source>
        <translation>La descarga de %1 se interrumpió antes de terminar.</translation>
    </message>
    <message>
        <source>%1 cannot be fetched: %2</source>
        <translation>No se puede descargar %1: %2</translation>
    </message>
    <message>
        <source>The head office settings in %1 cannot be used: %2</source>
        <extracomment>%1 is a file, %2 what is wrong in it.</extracomment>
        <translation>No se puede usar la configuración de la central en %1: %2</translation>
    </message>
    <message>
        <source>line %1 is not of the form Name=value.</source>
        <translation>la línea %1 no tiene la forma Nombre=valor.</translation>
    </message>
    <message>
        <source>line %1 gives %2 a second time.</source>
        <translation>la línea %1 indica %2 por segunda vez.</translation>
    </message>
    <message>
        <source>it has no Url.</source>
        <translation>no indica ninguna Url.</translation>
    </message>
    <message>
        <source>it has no PublicKey.</source>
        <translation>no indica ninguna PublicKey.</translation>
    </message>
    <message>
        <source>the Url %1 is not the https address of a file.</source>
        <translation>la Url %1 no es la dirección https de un archivo.</translation>
    </message>
    <message>
        <source>the PublicKey is not the key line of a minisign public key file.</source>
        <translation>la PublicKey no es la línea de clave de un archivo de clave pública de minisign.</translation>
    </message>
    <message>
        <source>IntervalMinutes must be a whole number of minutes from 1 to %1.</source>
        <translation>IntervalMinutes debe ser un número entero de minutos entre 1 y %1.</translation>
    </message>
    <message>
        <source>users other than root may change it; it must belong to root and be writable by root only.</source>
        <translation>otros usuarios además de root pueden modificarlo; debe pertenecer a root y solo root debe poder escribir en él.</translation>
    </message>
    <message>
        <source>it is too large for a settings file.</source>
        <translation>es demasiado grande para un archivo de configuración.</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>no es un archivo.</translation>
    </message>
    <message>
        <source>it cannot be read (%1).</source>
        <translation>no se puede leer (%1).</translation>
    </message>
    <message>
        <source>%1 was refused: %2</source>
        <extracomment>%1 is the head office file&apos;s address, %2 what is wrong with its signature.</extracomment>
        <translation>Se rechazó %1: %2</translation>
    </message>
    <message>
        <source>%1 was refused: it was signed on %2, not after the rates applied last (signed on %3).</source>
        <translation>Se rechazó %1: se firmó el %2, no después de los tipos de cambio aplicados por última vez (firmados el %3).</translation>
    </message>
    <message>
        <source>%1 was refused: it is a rate file, but not an export of this program.</source>
        <translation>Se rechazó %1: es un archivo de tipos de cambio, pero no una exportación de este programa.</translation>
    </message>
    <message>
        <source>%1 holds the rates applied last (signed on %2).</source>
        <translation>%1 contiene los tipos de cambio aplicados por última vez (firmados el %2).</translation>
    </message>
    <message>
        <source>Rates from head office: none applied yet.</source>
        <translation>Tipos de cambio de la central: aún no se ha aplicado ninguno.</translation>
    </message>
    <message>
        <source>Rates from head office, applied %1.</source>
        <extracomment>%1 is when head office&apos;s rates were applied.</extracomment>
        <translation>Tipos de cambio de la central, aplicados el %1.</translation>
    </message>
    <message>
        <source>Rates from head office, applied %1; the rates are of %2.</source>
        <extracomment>%1 is when head office&apos;s rates were applied, %2 the newest date of those rates.</extracomment>
        <translation>Tipos de cambio de la central, aplicados el %1; son del %2.</translation>
    </message>
    <message>
        <source>%1 Nothing was changed: %2</source>
        <extracomment>%1 says what was applied, %2 why the last file was not.</extracomment>
        <translation>%1 No se ha modificado nada: %2</translation>
    </message>
    <message>
        <source>The rates database is not open.</source>
        <translation>La base de datos de tipos de cambio no está abierta.</translation>
    </message>
</context>
<context>
    <name>FeedCommands</name>
    <message>
        <source>No head office is configured: there is no %1 and no head office in the user&apos;s settings.</source>
        <translation>No hay ninguna central configurada: no existe %1 ni hay central en los ajustes del usuario.</translation>
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
        <translation>Los tipos de cambio de esta caja vienen de la central</translation>
    </message>
</context>
<context>
    <name>ImportExport</name>
    <message>
        <source>%1 has nothing to change: the rates table already holds every rate it gives.</source>
        <translation>%1 no aporta ningún cambio: la tabla ya contiene todos sus tipos de cambio.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the file were left out:</source>
        <extracomment>Followed by the rows, one a line.</extracomment>
        <translation>
            <numerusform>Se ha omitido %n fila del archivo:</numerusform>
            <numerusform>Se han omitido %n filas del archivo:</numerusform>
        </translation>
    </message>
    <message>
        <source>The rates database is not open, so no rates can be imported.</source>
        <translation>La base de datos de tipos de cambio no está abierta, así que no se puede importar ningún tipo de cambio.</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>No se ha importado nada.</translation>
    </message>
    <message numerus="yes">
        <source>%n rates imported from %1.</source>
        <translation>
            <numerusform>Se ha importado %n tipo de cambio de %1.</numerusform>
            <numerusform>Se han importado %n tipos de cambio de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The rates database is not open, so there are no rates to export.</source>
        <translation>La base de datos de tipos de cambio no está abierta, así que no hay tipos de cambio que exportar.</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters: keep the patterns in brackets and the ;; between filters.</extracomment>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 ya existe.</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation>¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The rates were not exported.</source>
        <translation>No se han exportado los tipos de cambio.</translation>
    </message>
    <message numerus="yes">
        <source>%n rates exported to %1.</source>
        <translation>
            <numerusform>Se ha exportado %n tipo de cambio a %1.</numerusform>
            <numerusform>Se han exportado %n tipos de cambio a %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Rates</source>
        <translation>Importar tipos de cambio</translation>
    </message>
    <message>
        <source>Export Rates</source>
        <translation>Exportar tipos de cambio</translation>
    </message>
    <message>
        <source>The rates could not be imported.</source>
        <translation>No se han podido importar los tipos de cambio.</translation>
    </message>
    <message>
        <source>The rates could not be exported.</source>
        <translation>No se han podido exportar los tipos de cambio.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... y %n más.</numerusform>
            <numerusform>... y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rate files (*.csv *.txt *.xml);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters: keep the patterns in brackets and the ;; between filters.</extracomment>
        <translation>Archivos de tipos de cambio (*.csv *.txt *.xml);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>the folder %1 allows no new file: %2</source>
        <translation>la carpeta %1 no admite archivos nuevos: %2</translation>
    </message>
    <message>
        <source>Could not create it: %1.</source>
        <translation>No se ha podido crear: %1.</translation>
    </message>
    <message>
        <source>The journal entry needs %1.</source>
        <translation>A la entrada del diario le falta %1.</translation>
    </message>
    <message>
        <source>the country the money comes from</source>
        <translation>el país de origen del dinero</translation>
    </message>
    <message>
        <source>the country the money goes to</source>
        <translation>el país de destino del dinero</translation>
    </message>
    <message>
        <source>A deal&apos;s rates must be numbers above 0.</source>
        <translation>Los tipos de cambio de una operación deben ser números mayores que 0.</translation>
    </message>
    <message>
        <source>A deal&apos;s total must be the exchanged amount less the commission.</source>
        <translation>El total de una operación debe ser el importe cambiado menos la comisión.</translation>
    </message>
    <message>
        <source>a currency</source>
        <translation>una moneda</translation>
    </message>
    <message>
        <source>A float or a count cannot be below 0.</source>
        <translation>Un fondo de caja o un recuento no puede ser inferior a 0.</translation>
    </message>
    <message>
        <source>Entry %1 is not a deal in the journal: there is nothing to void.</source>
        <translation>La entrada %1 no es una operación del diario: no hay nada que anular.</translation>
    </message>
    <message>
        <source>Deal %1 was already voided by entry %2.</source>
        <translation>La operación %1 ya se anuló con la entrada %2.</translation>
    </message>
    <message>
        <source>%1 is not a deal journal.</source>
        <translation>%1 no es un diario de operaciones.</translation>
    </message>
    <message>
        <source>The encryption of the journal could not be set up.</source>
        <translation>No se ha podido configurar el cifrado del diario.</translation>
    </message>
    <message>
        <source>Could not record in the journal %1: %2</source>
        <translation>No se ha podido registrar en el diario %1: %2</translation>
    </message>
    <message>
        <source>the reason for the void</source>
        <translation>el motivo de la anulación</translation>
    </message>
    <message>
        <source>%1 is not a deal journal, or it is damaged.</source>
        <translation>%1 no es un diario de operaciones o está dañado.</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Tallyvane; this version cannot use it.</source>
        <translation>%1 se escribió con una versión más reciente de Tallyvane; esta versión no puede usarlo.</translation>
    </message>
</context>
<context>
    <name>Maintenance</name>
    <message>
        <source>You may not change the rates on this computer: ask the administrator to add you to the group %1, then log in again.</source>
        <translation>No tiene permiso para modificar los tipos de cambio en este equipo: pida al administrador que le añada al grupo %1 y, después, vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>The rates cannot be changed because %1 is on a read-only disk: ask the administrator to make it writable.</source>
        <translation>No se pueden modificar los tipos de cambio porque %1 está en un disco de solo lectura: pida al administrador que permita escribir en él.</translation>
    </message>
    <message>
        <source>The rates cannot be changed because the rates file %1 is read-only for you: ask the administrator to let you write to it.</source>
        <translation>No se pueden modificar los tipos de cambio porque el archivo de tipos de cambio %1 es de solo lectura para usted: pida al administrador que le permita escribir en él.</translation>
    </message>
    <message>
        <source>The rates cannot be changed because the folder %1, where the rates file keeps its journal while saving, is read-only for you: ask the administrator to let you write to it.</source>
        <translation>No se pueden modificar los tipos de cambio porque la carpeta %1, en la que el archivo de tipos de cambio guarda su diario mientras se graban los cambios, es de solo lectura para usted: pida al administrador que le permita escribir en ella.</translation>
    </message>
    <message>
        <source>There was a problem saving the data.</source>
        <translation>Se ha producido un problema al guardar los datos.</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Write it with digits and at most one %1 as the decimal mark, for example %2.</source>
        <extracomment>%1 the decimal mark in quotation marks, %2 a number written so.</extracomment>
        <translation>Escríbalo con cifras y como máximo un %1 como separador decimal, por ejemplo %2.</translation>
    </message>
    <message>
        <source>Write it with digits and at most one %1 as the decimal mark, without a point or any thousands separator, for example %2.</source>
        <extracomment>%1 the decimal mark in quotation marks, %2 a number written so. A point could be a thousands separator, so it is never read.</extracomment>
        <translation>Escríbalo con cifras y como máximo un %1 como separador decimal, sin punto ni otro separador de miles, por ejemplo %2.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The PDF could not be made.</source>
        <translation>No se ha podido crear el PDF.</translation>
    </message>
    <message>
        <source>The printer could not take the job.</source>
        <translation>La impresora no ha podido aceptar el trabajo.</translation>
    </message>
</context>
<context>
    <name>RateAge</name>
    <message>
        <source>Rate of no known date: old</source>
        <translation>Tipo de cambio sin fecha conocida: antiguo</translation>
    </message>
    <message>
        <source>Rate of no known date</source>
        <translation>Tipo de cambio sin fecha conocida</translation>
    </message>
    <message>
        <source>Rate of %1: old</source>
        <extracomment>%1 is the rate&apos;s date, as &quot;1 Dec 2026&quot;.</extracomment>
        <translation>Tipo de cambio del %1: antiguo</translation>
    </message>
    <message>
        <source>Rate of %1</source>
        <translation>Tipo de cambio del %1</translation>
    </message>
    <message>
        <source>The rate of %1 has no date, so it cannot be shown to be current. Update the rates before recording this deal.</source>
        <extracomment>%1 is a country.</extracomment>
        <translation>El tipo de cambio de %1 no tiene fecha, así que no se puede comprobar que esté al día. Actualice los tipos de cambio antes de registrar esta operación.</translation>
    </message>
    <message numerus="yes">
        <source>The rate of %1 is of %2, older than %n days. Update the rates before recording this deal.</source>
        <extracomment>%1 is a country, %2 the rate&apos;s date; %n the days after which rates are old.</extracomment>
        <translation>
            <numerusform>El tipo de cambio de %1 es del %2, de hace más de %n día. Actualice los tipos de cambio antes de registrar esta operación.</numerusform>
            <numerusform>El tipo de cambio de %1 es del %2, de hace más de %n días. Actualice los tipos de cambio antes de registrar esta operación.</numerusform>
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
        <translation>Comisión %1&#xa0;%</translation>
    </message>
    <message>
        <source>Commission %1 %, minimum £%2</source>
        <extracomment>The rate board&apos;s commission line; %1 is the percentage, %2 the least commission in pounds.</extracomment>
        <translation>Comisión %1&#xa0;%, mínimo %2&#xa0;£</translation>
    </message>
    <message>
        <source>Oldest rate: %1</source>
        <extracomment>Below the rate board: the day of the oldest rate it shows.</extracomment>
        <translation>Tipo más antiguo: %1</translation>
    </message>
</context>
<context>
    <name>RateExport</name>
    <message>
        <source>Tallyvane rates %1.csv</source>
        <extracomment>The name the export offers; %1 the day as YYYY-MM-DD, which sorts by date.</extracomment>
        <translation>Tipos de cambio Tallyvane %1.csv</translation>
    </message>
</context>
<context>
    <name>RateFileWords</name>
    <message>
        <source>UK monthly rates (CSV)</source>
        <translation>tipos mensuales del Reino Unido (CSV)</translation>
    </message>
    <message>
        <source>UK monthly rates (XML)</source>
        <translation>tipos mensuales del Reino Unido (XML)</translation>
    </message>
    <message>
        <source>European Central Bank daily rates (XML)</source>
        <translation>tipos diarios del Banco Central Europeo (XML)</translation>
    </message>
    <message>
        <source>European Central Bank daily rates (CSV)</source>
        <translation>tipos diarios del Banco Central Europeo (CSV)</translation>
    </message>
    <message>
        <source>Tallyvane export</source>
        <extracomment>A file written by the program&apos;s File &gt; Export Rates.</extracomment>
        <translation>exportación de Tallyvane</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A period of days, from the first to the last.</extracomment>
        <translation>%1 al %2</translation>
    </message>
</context>
<context>
    <name>RateFiles</name>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 está vacío.</translation>
    </message>
    <message>
        <source>is not a rate file this program knows: its first line is neither the header of published rates nor that of an export.</source>
        <extracomment>Said of the file; follows &quot;&lt;file&gt;, line &lt;number&gt;:&quot;.</extracomment>
        <translation>no es un archivo de tipos de cambio que este programa reconozca: su primera línea no es la cabecera de unos tipos publicados ni la de una exportación.</translation>
    </message>
    <message>
        <source>the XML is malformed: %1</source>
        <translation>el XML está mal formado: %1</translation>
    </message>
    <message>
        <source>%1 is not a rate file this program knows: its XML starts with &lt;%2&gt;.</source>
        <translation>%1 no es un archivo de tipos de cambio que este programa reconozca: su XML empieza por &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>%1 is too large for a rate file (over %2 MB).</source>
        <translation>%1 es demasiado grande para ser un archivo de tipos de cambio (más de %2&#xa0;MB).</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 no es un archivo.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 no es un archivo de texto.</translation>
    </message>
    <message>
        <source>%1 is not a text file (it holds binary data).</source>
        <translation>%1 no es un archivo de texto (contiene datos binarios).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A rate&apos;s column or element in the file, then what is wrong with the rate.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the rate is missing.</source>
        <translation>falta el tipo de cambio.</translation>
    </message>
    <message>
        <source>the rate %1 is too large.</source>
        <translation>el tipo de cambio %1 es demasiado alto.</translation>
    </message>
    <message>
        <source>the rate %1 is not a number.</source>
        <translation>el tipo de cambio %1 no es un número.</translation>
    </message>
    <message>
        <source>the rate %1 is too small.</source>
        <translation>el tipo de cambio %1 es demasiado bajo.</translation>
    </message>
    <message>
        <source>the rate %1 is not above 0.</source>
        <translation>el tipo de cambio %1 no es mayor que 0.</translation>
    </message>
    <message>
        <source>the rate %1 has a decimal comma where the rate on line %2 has a decimal point: thousands separators are not read, so the rates of a file use one decimal mark.</source>
        <translation>el tipo de cambio %1 lleva coma decimal y el de la línea %2 lleva punto decimal: no se admiten separadores de miles, así que todos los tipos de cambio de un archivo deben usar el mismo signo decimal.</translation>
    </message>
    <message>
        <source>the rate %1 has a decimal point where the rate on line %2 has a decimal comma: thousands separators are not read, so the rates of a file use one decimal mark.</source>
        <translation>el tipo de cambio %1 lleva punto decimal y el de la línea %2 lleva coma decimal: no se admiten separadores de miles, así que todos los tipos de cambio de un archivo deben usar el mismo signo decimal.</translation>
    </message>
    <message>
        <source>expected %1 fields, found %2 (separated by semicolons, as on the first line).</source>
        <translation>se esperaban %1 campos y hay %2 (separados por punto y coma, como en la primera línea).</translation>
    </message>
    <message>
        <source>expected %1 fields, found %2 (separated by tabs, as on the first line).</source>
        <translation>se esperaban %1 campos y hay %2 (separados por tabuladores, como en la primera línea).</translation>
    </message>
    <message>
        <source>expected %1 fields, found %2 (separated by commas, as on the first line).</source>
        <translation>se esperaban %1 campos y hay %2 (separados por comas, como en la primera línea).</translation>
    </message>
    <message>
        <source>holds more than %1 rates, more than this program takes from one file (a published file holds a few hundred).</source>
        <extracomment>Said of the rate file; follows &quot;&lt;file&gt;, line &lt;number&gt;:&quot;.</extracomment>
        <translation>contiene más de %1 tipos de cambio, más de los que este programa admite en un solo archivo (un archivo publicado contiene unos cientos).</translation>
    </message>
    <message>
        <source>the country %1 is listed twice (first on line %2).</source>
        <translation>el país %1 figura dos veces (la primera, en la línea %2).</translation>
    </message>
    <message>
        <source>the country is missing.</source>
        <translation>falta el país.</translation>
    </message>
    <message>
        <source>the start date %1 is not a date.</source>
        <translation>la fecha de inicio %1 no es una fecha válida.</translation>
    </message>
    <message>
        <source>the end date %1 is not a date.</source>
        <translation>la fecha de fin %1 no es una fecha válida.</translation>
    </message>
    <message>
        <source>%1 holds no rates.</source>
        <translation>%1 no contiene ningún tipo de cambio.</translation>
    </message>
    <message>
        <source>the period %1 is not two dates.</source>
        <translation>el período %1 no consta de dos fechas.</translation>
    </message>
    <message>
        <source>the period&apos;s first day %1 is not a date.</source>
        <translation>el primer día del período, %1, no es una fecha válida.</translation>
    </message>
    <message>
        <source>the period&apos;s last day %1 is not a date.</source>
        <translation>el último día del período, %1, no es una fecha válida.</translation>
    </message>
    <message>
        <source>element &lt;exchangeRate&gt; has no &lt;countryName&gt;.</source>
        <translation>el elemento &lt;exchangeRate&gt; no tiene &lt;countryName&gt;.</translation>
    </message>
    <message>
        <source>element &lt;exchangeRate&gt; of %1 has no &lt;rateNew&gt;.</source>
        <translation>el elemento &lt;exchangeRate&gt; de %1 no tiene &lt;rateNew&gt;.</translation>
    </message>
    <message>
        <source>element &lt;rateNew&gt; of %1</source>
        <translation>elemento &lt;rateNew&gt; de %1</translation>
    </message>
    <message>
        <source>the XML is malformed or cut short: %1</source>
        <translation>el XML está mal formado o incompleto: %1</translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;: time %1 is not a date.</source>
        <translation>elemento &lt;Cube&gt;: el atributo time %1 no es una fecha válida.</translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;: %1 is not a currency code.</source>
        <translation>elemento &lt;Cube&gt;: %1 no es un código de moneda.</translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;: a rate without a date.</source>
        <translation>elemento &lt;Cube&gt;: tipo de cambio sin fecha.</translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;</source>
        <translation>elemento &lt;Cube&gt;</translation>
    </message>
    <message>
        <source>column %1 of the header: %2 is not a currency code.</source>
        <translation>columna %1 de la cabecera: %2 no es un código de moneda.</translation>
    </message>
    <message>
        <source>column %1 of the header: the currency %2 is listed twice.</source>
        <translation>columna %1 de la cabecera: la moneda %2 figura dos veces.</translation>
    </message>
    <message>
        <source>the day %1 is not a date.</source>
        <translation>el día %1 no es una fecha válida.</translation>
    </message>
    <message>
        <source>the currency %1 is listed twice for %2.</source>
        <translation>la moneda %1 figura dos veces para el %2.</translation>
    </message>
    <message>
        <source>has no rate for the pound (GBP) on %1, so its rates per euro cannot be turned into rates per pound.</source>
        <extracomment>Said of the rate file; follows &quot;&lt;file&gt;, line &lt;number&gt;:&quot;. %1 is a day.</extracomment>
        <translation>no tiene tipo de cambio de la libra (GBP) para el %1, así que sus tipos por euro no se pueden convertir en tipos por libra.</translation>
    </message>
    <message>
        <source>the rate of %1 cannot be turned into a rate per pound.</source>
        <translation>el tipo de cambio de %1 no se puede convertir en un tipo por libra.</translation>
    </message>
    <message>
        <source>the date %1 is not a date (YYYY-MM-DD, or DD.MM.YYYY as spreadsheets save it).</source>
        <translation>la fecha %1 no es una fecha válida (AAAA-MM-DD, o DD.MM.AAAA como la guardan las hojas de cálculo).</translation>
    </message>
    <message>
        <source>a quote inside an unquoted field.</source>
        <translation>hay comillas dentro de un campo sin comillas.</translation>
    </message>
    <message>
        <source>a quoted field is not closed.</source>
        <translation>un campo entre comillas no está cerrado.</translation>
    </message>
    <message>
        <source>text after a closing quote.</source>
        <translation>hay texto después de unas comillas de cierre.</translation>
    </message>
    <message>
        <source>more than %1 fields on one line.</source>
        <translation>hay más de %1 campos en una línea.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>No se ha podido escribir %1: %2</translation>
    </message>
    <message>
        <source>it is not an ordinary file (a device, a pipe or the like)</source>
        <translation>no es un archivo normal (es un dispositivo, una tubería o algo similar)</translation>
    </message>
    <message>
        <source>%1 (its folder allows no new file beside it, and the old file is never written over in place)</source>
        <extracomment>Why a file could not be written; %1 is the system&apos;s reason.</extracomment>
        <translation>%1 (su carpeta no permite crear un archivo nuevo a su lado, y el archivo anterior nunca se sobrescribe directamente)</translation>
    </message>
    <message>
        <source>the new file is in place, but its folder could not be synced: %1</source>
        <translation>el archivo nuevo ya está en su sitio, pero no se ha podido sincronizar su carpeta: %1</translation>
    </message>
    <message>
        <source>the rate %1 holds both a point and a comma: thousands separators are not read, so write the rate without them.</source>
        <translation>el tipo de cambio %1 contiene a la vez un punto y una coma: no se admiten separadores de miles, así que escriba el tipo de cambio sin ellos.</translation>
    </message>
    <message>
        <source>Line %1: the country name %2 is longer than %3 characters.</source>
        <translation>Línea %1: el nombre de país %2 tiene más de %3 caracteres.</translation>
    </message>
    <message>
        <source>the figure %1 holds both &apos;.&apos; and &apos;,&apos;: thousands separators are not read, so write it without them.</source>
        <translation>la cifra %1 contiene a la vez «.» y «,»: no se admiten separadores de miles, así que escríbala sin ellos.</translation>
    </message>
    <message>
        <source>the %1 %2 is not a currency code (three capital letters).</source>
        <extracomment>%1 the column&apos;s name, %2 the value.</extracomment>
        <translation>el valor %2 de la columna %1 no es un código de moneda (tres letras mayúsculas).</translation>
    </message>
    <message>
        <source>the %1 %2 is below 0.</source>
        <translation>el valor %2 de la columna %1 es menor que 0.</translation>
    </message>
    <message>
        <source>the %1 %2 is not below %3.</source>
        <extracomment>%3 the limit, such as 100.</extracomment>
        <translation>el valor %2 de la columna %1 no es menor que %3.</translation>
    </message>
    <message>
        <source>the %1 %2 is above %3.</source>
        <translation>el valor %2 de la columna %1 es mayor que %3.</translation>
    </message>
    <message>
        <source>the %1 %2 has more than two decimals.</source>
        <translation>el valor %2 de la columna %1 tiene más de dos decimales.</translation>
    </message>
    <message>
        <source>the %1 %2 is not a number.</source>
        <translation>el valor %2 de la columna %1 no es un número.</translation>
    </message>
    <message>
        <source>the minimum commission %1 is not an amount from 0 to %2 with at most two decimals.</source>
        <translation>la comisión mínima %1 no es un importe de 0 a %2 con dos decimales como máximo.</translation>
    </message>
    <message>
        <source>the first line names no layout of this program&apos;s export: it should read %1 and a number, such as %2.</source>
        <translation>la primera línea no indica ninguna estructura de exportación de este programa: debería contener %1 y un número, por ejemplo %2.</translation>
    </message>
    <message>
        <source>%1 was exported by a newer version of Tallyvane (layout %2), which this version cannot read. Export the rates again with this version&apos;s layout, or use the newer version.</source>
        <translation>%1 se exportó con una versión más reciente de Tallyvane (estructura %2), que esta versión no puede leer. Vuelva a exportar los tipos de cambio con la estructura de esta versión o use la versión más reciente.</translation>
    </message>
    <message>
        <source>expected a setting (its name and its value) or the header of the rates.</source>
        <translation>se esperaba un ajuste (su nombre y su valor) o la cabecera de los tipos de cambio.</translation>
    </message>
    <message>
        <source>the setting %1 is not one this program knows.</source>
        <translation>este programa no conoce el ajuste %1.</translation>
    </message>
    <message>
        <source>%1 ends before the header of its rates.</source>
        <translation>%1 termina antes de la cabecera de sus tipos de cambio.</translation>
    </message>
</context>
<context>
    <name>RateTerms</name>
    <message>
        <source>Currency &amp;Code:</source>
        <extracomment>The ISO 4217 code of the currency, such as EUR; it may be left empty.</extracomment>
        <translation>Código de &amp;moneda:</translation>
    </message>
    <message>
        <source>&amp;Buy Margin (%):</source>
        <extracomment>The percent of the value a customer gives up when the bureau buys this currency.</extracomment>
        <translation>Margen de c&amp;ompra (%):</translation>
    </message>
    <message>
        <source>Se&amp;ll Margin (%):</source>
        <extracomment>The percent of the value a customer gives up when the bureau sells this currency.</extracomment>
        <translation>Margen de &amp;venta (%):</translation>
    </message>
    <message>
        <source>S&amp;mallest Note:</source>
        <extracomment>The smallest amount of this currency the till pays out; 0 for any amount.</extracomment>
        <translation>&amp;Billete más pequeño:</translation>
    </message>
</context>
<context>
    <name>Receipt</name>
    <message>
        <source>Receipt</source>
        <translation>Recibo</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPIA</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>A:</translation>
    </message>
    <message>
        <source>Given:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>We buy at:</source>
        <translation>Compramos a:</translation>
    </message>
    <message>
        <source>We sell at:</source>
        <translation>Vendemos a:</translation>
    </message>
    <message>
        <source>Exchanged:</source>
        <translation>Contravalor:</translation>
    </message>
    <message>
        <source>Commission (minimum):</source>
        <translation>Comisión (mínimo):</translation>
    </message>
    <message>
        <source>Commission:</source>
        <translation>Comisión:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Paid out:</source>
        <translation>Entregado:</translation>
    </message>
    <message>
        <source>Paid in pounds:</source>
        <translation>Resto en libras:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Till:</source>
        <translation>Caja:</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Cliente:</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation>No hay ninguna impresora configurada en este equipo.</translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>The %1 box is empty.</source>
        <extracomment>%1 the caption of a box in the rate dialogs, without its colon.</extracomment>
        <translation>El campo «%1» está vacío.</translation>
    </message>
    <message>
        <source>The %1 box holds a null character, which cannot be stored.</source>
        <translation>El campo «%1» contiene un carácter nulo, que no se puede guardar.</translation>
    </message>
    <message>
        <source>The %1 box holds %2 characters; it can hold at most %3.</source>
        <extracomment>%1 the box&apos;s caption, %2 how many characters it holds, %3 the most it may hold.</extracomment>
        <translation>El campo «%1» contiene %2 caracteres; admite como máximo %3.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is not a number.</source>
        <extracomment>%1 the value as typed, in quotation marks; %2 the box&apos;s caption. A hint how to write a number follows.</extracomment>
        <translation>%1 en el campo «%2» no es un número.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is too large: the largest rate the table can hold is about %3.</source>
        <extracomment>%3 the limit, a number such as 1.8E+308 in the user&apos;s number form.</extracomment>
        <translation>%1 en el campo «%2» es demasiado alto: el tipo de cambio más alto que admite la tabla es de aproximadamente %3.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is not above 0: a rate must be greater than 0.</source>
        <translation>%1 en el campo «%2» no es mayor que 0: un tipo de cambio debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is too small: the smallest rate the table can hold is about %3.</source>
        <extracomment>%3 the limit, a number such as 2.2E-308 in the user&apos;s number form.</extracomment>
        <translation>%1 en el campo «%2» es demasiado bajo: el tipo de cambio más bajo que admite la tabla es de aproximadamente %3.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is not a date: a date is written YYYY-MM-DD.</source>
        <translation>%1 en el campo «%2» no es una fecha: una fecha se escribe AAAA-MM-DD.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is not a currency code: a code is three capital letters, or nothing.</source>
        <translation>%1 en el campo «%2» no es un código de moneda: un código son tres letras mayúsculas, o nada.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is below 0.</source>
        <translation>%1 en el campo «%2» es menor que 0.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is too large: it must be below %3.</source>
        <extracomment>%3 the limit, such as 100, in the user&apos;s number form.</extracomment>
        <translation>%1 en el campo «%2» es demasiado alto: debe ser menor que %3.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is too large: it can be at most %3.</source>
        <extracomment>%3 the limit, such as 1000000000, in the user&apos;s number form.</extracomment>
        <translation>%1 en el campo «%2» es demasiado alto: puede ser como máximo %3.</translation>
    </message>
    <message>
        <source>%1 in the %2 box has more than two decimals.</source>
        <translation>%1 en el campo «%2» tiene más de dos decimales.</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The database is locked by another program. Try again when it has finished.</source>
        <translation>Otro programa tiene bloqueada la base de datos. Vuelva a intentarlo cuando haya terminado.</translation>
    </message>
    <message>
        <source>The database is read-only: changes cannot be saved.</source>
        <translation>La base de datos es de solo lectura: no se pueden guardar los cambios.</translation>
    </message>
    <message>
        <source>The disk holding the database is full: changes cannot be saved.</source>
        <translation>El disco que contiene la base de datos está lleno: no se pueden guardar los cambios.</translation>
    </message>
    <message>
        <source>The database file could not be read or written (disk error).</source>
        <translation>No se ha podido leer o escribir el archivo de la base de datos (error de disco).</translation>
    </message>
    <message>
        <source>The database file is damaged.</source>
        <translation>El archivo de la base de datos está dañado.</translation>
    </message>
    <message>
        <source>The database file could not be opened.</source>
        <translation>No se ha podido abrir el archivo de la base de datos.</translation>
    </message>
    <message>
        <source>Access to the database was refused.</source>
        <translation>Se ha denegado el acceso a la base de datos.</translation>
    </message>
    <message>
        <source>There is not enough memory for the database operation.</source>
        <translation>No hay memoria suficiente para la operación en la base de datos.</translation>
    </message>
    <message>
        <source>The change breaks a rule of the rates table (%1).</source>
        <translation>La modificación infringe una regla de la tabla de tipos de cambio (%1).</translation>
    </message>
    <message>
        <source>The database reported an error: %1.</source>
        <translation>La base de datos ha notificado un error: %1.</translation>
    </message>
    <message>
        <source>Could not find file %1.</source>
        <translation>No se encuentra el archivo %1.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a rates database.</source>
        <translation>%1 es una carpeta, no una base de datos de tipos de cambio.</translation>
    </message>
    <message>
        <source>%1 is not a rates database.</source>
        <translation>%1 no es una base de datos de tipos de cambio.</translation>
    </message>
    <message>
        <source>%1 is empty: it is not a rates database.</source>
        <translation>%1 está vacío: no es una base de datos de tipos de cambio.</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>No se ha podido abrir %1: %2</translation>
    </message>
    <message>
        <source>Could not open %1: the encryption could not be set up.</source>
        <translation>No se ha podido abrir %1: no se ha podido configurar el cifrado.</translation>
    </message>
    <message>
        <source>%1 is not a rates database, or it is damaged.</source>
        <translation>%1 no es una base de datos de tipos de cambio o está dañado.</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Uso no válido de Null</translation>
    </message>
    <message>
        <source>The table &apos;tblExchanges&apos; cannot be used: %1</source>
        <translation>No se puede usar la tabla «tblExchanges»: %1</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>BOF o EOF es True, o se ha eliminado el registro actual. La operación solicitada requiere un registro actual.</translation>
    </message>
    <message>
        <source>The row could not be found for updating; another program may have deleted it.</source>
        <translation>No se ha encontrado la fila que se iba a actualizar; puede que otro programa la haya eliminado.</translation>
    </message>
    <message>
        <source>The rates database has a layout this version of Tallyvane does not know (%1). It is left as it is.</source>
        <translation>La base de datos de tipos de cambio tiene una estructura que esta versión de Tallyvane no conoce (%1). Se deja tal como está.</translation>
    </message>
    <message>
        <source>The rates database was made by a newer version of Tallyvane (layout %1; this version knows layouts up to %2). It is left as it is: use the newer version, or a copy of the file made for this one.</source>
        <translation>La base de datos de tipos de cambio la creó una versión más reciente de Tallyvane (estructura %1; esta versión conoce estructuras hasta la %2). Se deja tal como está: use la versión más reciente o una copia del archivo hecha para esta versión.</translation>
    </message>
    <message>
        <source>Cannot find the table &apos;tblExchanges&apos; in the database.</source>
        <translation>No se encuentra la tabla «tblExchanges» en la base de datos.</translation>
    </message>
    <message>
        <source>The table &apos;tblExchanges&apos; has no field named &apos;%1&apos;.</source>
        <translation>La tabla «tblExchanges» no tiene ningún campo llamado «%1».</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>No se permite la operación cuando el objeto está cerrado.</translation>
    </message>
    <message>
        <source>The change would give two rows the same country; each country can appear only once.</source>
        <translation>La modificación dejaría dos filas con el mismo país; cada país solo puede figurar una vez.</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal.</source>
        <translation>No se encuentra en la colección ningún elemento que corresponda al nombre o al ordinal solicitado.</translation>
    </message>
    <message>
        <source>The new row has no value for %1.</source>
        <translation>La fila nueva no tiene ningún valor para «%1».</translation>
    </message>
    <message>
        <source>The country %1 is already in the rates table; each country can appear only once.</source>
        <translation>El país %1 ya está en la tabla de tipos de cambio; cada país solo puede figurar una vez.</translation>
    </message>
    <message>
        <source>The country %1 is named twice in the rates to write; each country can appear only once.</source>
        <translation>El país %1 figura dos veces entre los tipos de cambio que se van a guardar; cada país solo puede figurar una vez.</translation>
    </message>
    <message>
        <source>The country %1 is not in the rates table, so its rate cannot be changed.</source>
        <translation>El país %1 no está en la tabla de tipos de cambio, así que no se puede modificar su tipo de cambio.</translation>
    </message>
    <message>
        <source>The rates database holds &apos;%1&apos; as the minimum commission, which is not an amount from 0 to %2.</source>
        <translation>La base de datos de tipos de cambio contiene «%1» como comisión mínima, que no es un importe de 0 a %2.</translation>
    </message>
    <message>
        <source>The minimum commission must be an amount from 0 to %1.</source>
        <translation>La comisión mínima debe ser un importe de 0 a %1.</translation>
    </message>
</context>
<context>
    <name>Territories</name>
    <message>
        <source>Euro area</source>
        <translation>Zona del euro</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japón</translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <translation>Bulgaria</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Chequia</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Dinamarca</translation>
    </message>
    <message>
        <source>Britain</source>
        <translation>Gran Bretaña</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation>Hungría</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polonia</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Rumanía</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Suecia</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Suiza</translation>
    </message>
    <message>
        <source>Iceland</source>
        <translation>Islandia</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Noruega</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Croacia</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Rusia</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turquía</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brasil</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canadá</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>Hong Kong</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>Indonesia</translation>
    </message>
    <message>
        <source>Israel</source>
        <translation>Israel</translation>
    </message>
    <message>
        <source>India</source>
        <translation>India</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Corea del Sur</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation>México</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malasia</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nueva Zelanda</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>Filipinas</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapur</translation>
    </message>
    <message>
        <source>Thailand</source>
        <translation>Tailandia</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Sudáfrica</translation>
    </message>
</context>
<context>
    <name>UpdateRates</name>
    <message>
        <source>The rates database is not open, so no rates can be updated.</source>
        <translation>La base de datos de tipos de cambio no está abierta, así que no se puede actualizar ningún tipo de cambio.</translation>
    </message>
    <message>
        <source>Update Rates</source>
        <translation>Actualizar tipos de cambio</translation>
    </message>
    <message>
        <source>The rates could not be updated.</source>
        <translation>No se han podido actualizar los tipos de cambio.</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>&apos;%1&apos;</source>
        <extracomment>A value or a file name quoted inside a message: the language&apos;s own quotation marks around %1.</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Denomination</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>Tipo de cambio</translation>
    </message>
    <message>
        <source>Date of the rate</source>
        <extracomment>The day a rate was set, kept with it.</extracomment>
        <translation>Fecha del tipo de cambio</translation>
    </message>
    <message>
        <source>Currency Code</source>
        <translation>Código de moneda</translation>
    </message>
    <message>
        <source>Buy Margin (%)</source>
        <translation>Margen de compra (%)</translation>
    </message>
    <message>
        <source>Sell Margin (%)</source>
        <translation>Margen de venta (%)</translation>
    </message>
    <message>
        <source>Smallest Note</source>
        <translation>Billete más pequeño</translation>
    </message>
</context>
<context>
    <name>calculator::frmDayDeals</name>
    <message>
        <source>Day&apos;s Deals</source>
        <translation>Operaciones del día</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Día:</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Till</source>
        <translation>Caja</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>C&amp;urrency:</source>
        <translation>&amp;Moneda:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Importe:</translation>
    </message>
    <message>
        <source>Record &amp;Float</source>
        <translation>Registrar &amp;fondo</translation>
    </message>
    <message>
        <source>Record C&amp;ount</source>
        <translation>Registrar &amp;recuento</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>&amp;Guardar como PDF...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>E&amp;xportar CSV...</translation>
    </message>
    <message>
        <source>The journal could not be read.</source>
        <translation>No se ha podido leer el diario.</translation>
    </message>
    <message>
        <source>Nothing was recorded.</source>
        <translation>No se ha registrado nada.</translation>
    </message>
    <message>
        <source>Choose a currency and type an amount of 0 or more with at most two decimals.</source>
        <translation>Elija una moneda y escriba un importe de 0 o más con dos decimales como máximo.</translation>
    </message>
    <message>
        <source>A float or a count is recorded for today only.</source>
        <translation>Un fondo de caja o un recuento solo se registra para hoy.</translation>
    </message>
    <message>
        <source>Deals of %1</source>
        <translation>Operaciones del %1</translation>
    </message>
    <message>
        <source>The day was not printed.</source>
        <translation>No se ha impreso el día.</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 ya existe.</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation>¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Deals %1.pdf</source>
        <translation>Operaciones %1.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF was not saved.</source>
        <translation>No se ha guardado el PDF.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Deals %1.csv</source>
        <translation>Operaciones %1.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The CSV file was not saved.</source>
        <translation>No se ha guardado el archivo CSV.</translation>
    </message>
    <message>
        <source>&amp;Void Deal...</source>
        <translation>A&amp;nular operación...</translation>
    </message>
    <message>
        <source>Void Deal</source>
        <translation>Anular operación</translation>
    </message>
</context>
<context>
    <name>calculator::frmRecordDeal</name>
    <message>
        <source>Record Deal</source>
        <translation>Registrar operación</translation>
    </message>
    <message>
        <source>C&amp;ustomer reference (optional):</source>
        <translation>Referencia del &amp;cliente (opcional):</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Registrar</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tallyvane</source>
        <translation>Acerca de Tallyvane</translation>
    </message>
    <message>
        <source>Tallyvane logo</source>
        <translation>Logotipo de Tallyvane</translation>
    </message>
    <message>
        <source>Tallyvane is freeware. Please send your comments and suggestions to</source>
        <translation>Tallyvane es un programa gratuito. Envíe sus comentarios y sugerencias a</translation>
    </message>
    <message>
        <source>Write to Fernwick Software</source>
        <translation>Escribir a Fernwick Software</translation>
    </message>
    <message>
        <source>Writes an e-mail to Fernwick Software</source>
        <translation>Redacta un correo electrónico para Fernwick Software</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>frmAddExchange</name>
    <message>
        <source>Add Exchange Rate</source>
        <translation>Añadir tipo de cambio</translation>
    </message>
    <message>
        <source>To add anew exchange rate, simply fill in the fields below and press the &apos;Save&apos; button.</source>
        <translation>Para añadir un tipo de cambio nuevo, rellene los campos siguientes y pulse el botón «Guardar».</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>Denomination:</source>
        <translation>Moneda:</translation>
    </message>
    <message>
        <source>Exchange Rate:</source>
        <translation>Tipo de cambio:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Saves the new country and its rate.</extracomment>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Finished</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 ya existe.</translation>
    </message>
    <message>
        <source>The New Exchange Rate has been saved successfuly</source>
        <translation>El nuevo tipo de cambio se ha guardado correctamente.</translation>
    </message>
    <message>
        <source>The new rate you typed has not been saved. Do you want to save it before closing?</source>
        <translation>El tipo de cambio nuevo que ha escrito no se ha guardado. ¿Desea guardarlo antes de cerrar?</translation>
    </message>
</context>
<context>
    <name>frmBoard</name>
    <message>
        <source>Rate Board</source>
        <translation>Tablero de tipos</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>Tipos de cambio</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>We buy</source>
        <translation>Compramos</translation>
    </message>
    <message>
        <source>We sell</source>
        <translation>Vendemos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The rate board could not read the rates.</source>
        <translation>El tablero no ha podido leer los tipos de cambio.</translation>
    </message>
    <message>
        <source>The rate board was not printed.</source>
        <translation>No se ha impreso el tablero.</translation>
    </message>
</context>
<context>
    <name>frmDelete</name>
    <message>
        <source>Delete Exchange Rates</source>
        <translation>Eliminar tipos de cambio</translation>
    </message>
    <message>
        <source>Select the country you wish to delete and then press the delete button.</source>
        <translation>Seleccione el país que desea eliminar y pulse el botón «Eliminar».</translation>
    </message>
    <message>
        <source>Countries</source>
        <translation>Países</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>Denomination:</source>
        <translation>Moneda:</translation>
    </message>
    <message>
        <source>Exchange Rate:</source>
        <translation>Tipo de cambio:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Finished</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>The button that saves the changed rate (Edit Rates) or deletes it (Delete Rates).</extracomment>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>The list of countries could not be read.</source>
        <translation>No se ha podido leer la lista de países.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>¿Seguro que desea eliminar %1?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the rates table, so nothing was deleted.</source>
        <translation>«%1» no está en la tabla de tipos de cambio, así que no se ha eliminado nada.</translation>
    </message>
    <message>
        <source>Choose the country to change from the list first. Nothing was saved.</source>
        <translation>Elija primero en la lista el país que desea modificar. No se ha guardado nada.</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 ya existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in the rates table, so nothing was saved.</source>
        <translation>«%1» ya no está en la tabla de tipos de cambio, así que no se ha guardado nada.</translation>
    </message>
    <message>
        <source>Edit Exchange Rates</source>
        <translation>Modificar tipos de cambio</translation>
    </message>
    <message>
        <source>Select the country you wish to edit, change its details and then click Save.</source>
        <translation>Seleccione el país que desea modificar, cambie sus datos y pulse el botón «Guardar».</translation>
    </message>
</context>
<context>
    <name>frmHUD</name>
    <message>
        <source>Convert From:</source>
        <translation>Convertir de:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>Convert From: country</source>
        <translation>Convertir de: país</translation>
    </message>
    <message>
        <source>Denomination:</source>
        <translation>Moneda:</translation>
    </message>
    <message>
        <source>Convert From: denomination</source>
        <translation>Convertir de: moneda</translation>
    </message>
    <message>
        <source>Exchange Rate:</source>
        <translation>Tipo de cambio:</translation>
    </message>
    <message>
        <source>Convert From: exchange rate</source>
        <translation>Convertir de: tipo de cambio</translation>
    </message>
    <message>
        <source>Convert To:</source>
        <translation>Convertir a:</translation>
    </message>
    <message>
        <source>Convert To: country</source>
        <translation>Convertir a: país</translation>
    </message>
    <message>
        <source>Convert To: denomination</source>
        <translation>Convertir a: moneda</translation>
    </message>
    <message>
        <source>Convert To: exchange rate</source>
        <translation>Convertir a: tipo de cambio</translation>
    </message>
    <message>
        <source>Currency:</source>
        <extracomment>The group of the amount to convert and the commission.</extracomment>
        <translation>Operación:</translation>
    </message>
    <message>
        <source>Convert:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Amount to convert</source>
        <translation>Importe a convertir</translation>
    </message>
    <message>
        <source>Commission:</source>
        <translation>Comisión:</translation>
    </message>
    <message>
        <source>Commission percentage</source>
        <translation>Porcentaje de comisión</translation>
    </message>
    <message>
        <source>Totals:</source>
        <translation>Totales:</translation>
    </message>
    <message>
        <source>Exchange:</source>
        <translation>Contravalor:</translation>
    </message>
    <message>
        <source>Exchange</source>
        <extracomment>The exchanged amount, before the commission is taken off.</extracomment>
        <translation>Contravalor</translation>
    </message>
    <message>
        <source>Commission</source>
        <translation>Comisión</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>What remains once the commission is taken off.</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>The window&apos;s access keys (its labels, buttons and the menu bar&apos;s titles) must all differ.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Exchange &amp;Rates</source>
        <translation>&amp;Tipos de cambio</translation>
    </message>
    <message>
        <source>&amp;Add Rates</source>
        <translation>&amp;Añadir tipos de cambio</translation>
    </message>
    <message>
        <source>&amp;Edit Rates</source>
        <translation>&amp;Modificar tipos de cambio</translation>
    </message>
    <message>
        <source>&amp;Delete Rates</source>
        <translation>&amp;Eliminar tipos de cambio</translation>
    </message>
    <message>
        <source>&amp;Import Rates...</source>
        <translation>&amp;Importar tipos de cambio...</translation>
    </message>
    <message>
        <source>Ex&amp;port Rates...</source>
        <translation>E&amp;xportar tipos de cambio...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;About Tallyvane</source>
        <translation>&amp;Acerca de Tallyvane</translation>
    </message>
    <message>
        <source>&amp;Visit Fernwick</source>
        <extracomment>Opens the maker&apos;s web site; Fernwick is the maker&apos;s name.</extracomment>
        <translation>&amp;Visitar la web de Fernwick</translation>
    </message>
    <message>
        <source>Visit &amp;Community</source>
        <translation>Visitar la &amp;comunidad</translation>
    </message>
    <message>
        <source>&amp;E-Mail</source>
        <translation>Correo &amp;electrónico</translation>
    </message>
    <message>
        <source>&amp;Inland Revenue (UK)</source>
        <extracomment>Opens the UK tax authority&apos;s page of exchange rates.</extracomment>
        <translation>&amp;Hacienda del Reino Unido</translation>
    </message>
    <message>
        <source>Rate of %1</source>
        <extracomment>The tooltip of a rate box: the day the rate was set.</extracomment>
        <translation>Tipo de cambio del %1</translation>
    </message>
    <message>
        <source>Paid out:</source>
        <extracomment>The part of the total the till pays in notes of the currency.</extracomment>
        <translation>Entregado:</translation>
    </message>
    <message>
        <source>Paid out</source>
        <translation>Entregado</translation>
    </message>
    <message>
        <source>Paid in pounds:</source>
        <extracomment>The rest of the total, smaller than the smallest note, paid in pounds.</extracomment>
        <translation>Resto en libras:</translation>
    </message>
    <message>
        <source>Paid in pounds</source>
        <translation>Resto en libras</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <extracomment>Opens the till&apos;s settings, such as the minimum commission.</extracomment>
        <translation>A&amp;justes...</translation>
    </message>
    <message>
        <source>We buy at %1</source>
        <extracomment>Under the Convert From rate box: the rate at which the bureau buys that currency, its margin taken.</extracomment>
        <translation>Compramos a %1</translation>
    </message>
    <message>
        <source>We sell at %1</source>
        <extracomment>Under the Convert To rate box: the rate at which the bureau sells that currency.</extracomment>
        <translation>Vendemos a %1</translation>
    </message>
    <message>
        <source>The minimum commission could not be read.</source>
        <translation>No se ha podido leer la comisión mínima.</translation>
    </message>
    <message>
        <source>Commission (minimum):</source>
        <translation>Comisión (mínimo):</translation>
    </message>
    <message>
        <source>&amp;Update Rates...</source>
        <translation>Act&amp;ualizar tipos de cambio...</translation>
    </message>
    <message>
        <source>Rate &amp;Board</source>
        <translation>&amp;Tablero de tipos</translation>
    </message>
    <message>
        <source>The journal command failed.</source>
        <translation>Ha fallado la orden del diario.</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Registrar</translation>
    </message>
    <message>
        <source>&amp;Record Deal</source>
        <translation>&amp;Registrar operación</translation>
    </message>
    <message>
        <source>Repri&amp;nt Receipt...</source>
        <translation>Reim&amp;primir recibo...</translation>
    </message>
    <message>
        <source>&amp;Void Last Deal...</source>
        <translation>A&amp;nular última operación...</translation>
    </message>
    <message>
        <source>Da&amp;y&apos;s Deals...</source>
        <translation>&amp;Operaciones del día...</translation>
    </message>
    <message>
        <source>Check &amp;Journal</source>
        <translation>Comprobar el &amp;diario</translation>
    </message>
</context>
<context>
    <name>frmImportRates</name>
    <message>
        <source>Rates to Import</source>
        <translation>Tipos de cambio a importar</translation>
    </message>
    <message>
        <source>Tick the rates to import. New countries are not ticked. A change of more than 25 % is marked with a warning sign: look twice.</source>
        <translation>Marque los tipos de cambio que desea importar. Los países nuevos no están marcados. Las variaciones de más del 25&#xa0;% llevan una señal de advertencia: revíselas con atención.</translation>
    </message>
    <message>
        <source>Proposed changes</source>
        <translation>Cambios propuestos</translation>
    </message>
    <message>
        <source>&amp;Tick all</source>
        <translation>&amp;Marcar todos</translation>
    </message>
    <message>
        <source>Tick all</source>
        <translation>Marcar todos</translation>
    </message>
    <message>
        <source>&amp;Untick all</source>
        <translation>&amp;Desmarcar todos</translation>
    </message>
    <message>
        <source>Untick all</source>
        <translation>Desmarcar todos</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>In the Change column: a country the table does not have yet.</extracomment>
        <translation>nuevo</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>In the Matched by column: the file&apos;s row has the table&apos;s country name.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Currency %1 (%2)</source>
        <extracomment>In the Matched by column: %1 a currency code, %2 the file&apos;s country of that currency.</extracomment>
        <translation>Moneda %1 (%2)</translation>
    </message>
    <message>
        <source>Same country (%1)</source>
        <extracomment>In the Matched by column: %1 the file&apos;s name for the table&apos;s country.</extracomment>
        <translation>Mismo país (%1)</translation>
    </message>
    <message>
        <source>New country</source>
        <translation>País nuevo</translation>
    </message>
    <message>
        <source>File: %1, %2</source>
        <extracomment>%1 the file&apos;s name, %2 its kind.</extracomment>
        <translation>Archivo: %1, %2</translation>
    </message>
    <message>
        <source>Rates as of the date given on each row</source>
        <extracomment>%1 a day or a period of days.</extracomment>
        <translation>Tipos de cambio a la fecha que indica cada fila</translation>
    </message>
    <message>
        <source>Rates of %1</source>
        <translation>Tipos de cambio del %1</translation>
    </message>
    <message>
        <source>Left out:</source>
        <extracomment>Above the rows of the file that were not taken, one a line.</extracomment>
        <translation>Filas omitidas:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Unit</source>
        <extracomment>Column header: the currency&apos;s name.</extracomment>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Current rate</source>
        <translation>Tipo actual</translation>
    </message>
    <message>
        <source>Rate of</source>
        <extracomment>Column header: the day the current rate was set.</extracomment>
        <translation>Fecha del tipo actual</translation>
    </message>
    <message>
        <source>New rate</source>
        <translation>Tipo nuevo</translation>
    </message>
    <message>
        <source>New rate of</source>
        <extracomment>Column header: the day the new rate is of.</extracomment>
        <translation>Fecha del tipo nuevo</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Column header: the change from the current rate to the new one, in percent.</extracomment>
        <translation>Variación</translation>
    </message>
    <message>
        <source>Matched by</source>
        <extracomment>Column header: how the file&apos;s row was found for the table&apos;s country.</extracomment>
        <translation>Coincidencia</translation>
    </message>
    <message>
        <source>Changes by more than 25 %: look twice.</source>
        <translation>Variación de más del 25&#xa0;%: revísela con atención.</translation>
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
            <numerusform>%n de %1 marcado</numerusform>
            <numerusform>%n de %1 marcados</numerusform>
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
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The settings could not be read.</source>
        <translation>No se han podido leer los ajustes.</translation>
    </message>
    <message>
        <source>&amp;Commission</source>
        <extracomment>A tab of the Settings dialog: what a deal costs beyond the rates.</extracomment>
        <translation>&amp;Comisión</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Rates</source>
        <extracomment>A tab of the Settings dialog: when rates are old, and where they come from.</extracomment>
        <translation>&amp;Tipos</translation>
    </message>
    <message>
        <source>Recei&amp;pts</source>
        <translation>&amp;Recibos</translation>
    </message>
</context>
<context>
    <name>frmUpdateRates</name>
    <message>
        <source>HMRC&apos;s monthly rates for</source>
        <translation>Tipos mensuales de HMRC de</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>The European Central Bank&apos;s daily reference rates</source>
        <translation>Tipos de referencia diarios del Banco Central Europeo</translation>
    </message>
    <message>
        <source>&amp;Fetch</source>
        <translation>&amp;Descargar</translation>
    </message>
    <message>
        <source>Fetching %1 ...</source>
        <extracomment>%1 is the address being fetched.</extracomment>
        <translation>Descargando %1...</translation>
    </message>
    <message>
        <source>Do you want the rates for %1 instead?</source>
        <extracomment>%1 is a month and its year.</extracomment>
        <translation>¿Prefiere los tipos de cambio de %1?</translation>
    </message>
</context>
<context>
    <name>maintenance::CommissionPage</name>
    <message>
        <source>Minimum commission (£):</source>
        <translation>Comisión mínima (£):</translation>
    </message>
    <message>
        <source>A deal&apos;s commission is never less than this amount, converted into the currency paid out. 0 sets no minimum.</source>
        <translation>La comisión de una operación nunca es menor que este importe, convertido a la moneda entregada. 0: sin mínimo.</translation>
    </message>
</context>
<context>
    <name>maintenance::RateSourceSettings</name>
    <message>
        <source>Never</source>
        <extracomment>Shown for 0 days: rates never count as old.</extracomment>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Rates are old after (days):</source>
        <translation>Tipos antiguos a partir de (días):</translation>
    </message>
    <message>
        <source>Refuse to record a deal on an old rate</source>
        <translation>No registrar operaciones con tipos antiguos</translation>
    </message>
    <message>
        <source>HMRC monthly rates ({year}, {month}):</source>
        <extracomment>{year} and {month} stand for the year and the month&apos;s number; keep them as they are.</extracomment>
        <translation>Tipos mensuales de HMRC ({year}, {month}):</translation>
    </message>
    <message>
        <source>ECB daily rates:</source>
        <translation>Tipos diarios del BCE:</translation>
    </message>
    <message>
        <source>Head office</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Address (https):</source>
        <translation>Dirección (https):</translation>
    </message>
    <message>
        <source>Public key:</source>
        <translation>Clave pública:</translation>
    </message>
    <message>
        <source>Fetch every (minutes):</source>
        <translation>Descargar cada (minutos):</translation>
    </message>
    <message>
        <source>Set for this machine in %1; only its administrator can change it.</source>
        <translation>Fijado para este equipo en %1; solo su administrador puede cambiarlo.</translation>
    </message>
    <message>
        <source>Leave the address empty unless this till takes its rates from head office. A change takes effect when Tallyvane next starts.</source>
        <translation>Deje la dirección vacía salvo que esta caja tome los tipos de cambio de la central. Los cambios se aplican al volver a iniciar Tallyvane.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>No se han podido guardar los ajustes.</translation>
    </message>
    <message>
        <source>The address %1 is not an https address. Nothing was saved.</source>
        <extracomment>%1 is the address typed.</extracomment>
        <translation>La dirección %1 no es una dirección https. No se ha guardado nada.</translation>
    </message>
</context>
<context>
    <name>maintenance::ReceiptSettings</name>
    <message>
        <source>Till name:</source>
        <translation>Nombre de la caja:</translation>
    </message>
    <message>
        <source>Shop name:</source>
        <translation>Nombre de la tienda:</translation>
    </message>
    <message>
        <source>Shop address:</source>
        <translation>Dirección de la tienda:</translation>
    </message>
    <message>
        <source>Nowhere</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>The printer</source>
        <translation>La impresora</translation>
    </message>
    <message>
        <source>A folder of PDF files</source>
        <translation>Una carpeta de PDF</translation>
    </message>
    <message>
        <source>Receipts go to:</source>
        <translation>Destino de recibos:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>Receipt folder:</source>
        <translation>Carpeta de recibos:</translation>
    </message>
    <message>
        <source>80 mm roll</source>
        <translation>Rollo de 80&#xa0;mm</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Receipt layout:</source>
        <translation>Formato del recibo:</translation>
    </message>
    <message>
        <source>Choose the folder where receipts are saved.</source>
        <translation>Elija la carpeta donde se guardan los recibos.</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>No se ha podido escribir el archivo de ajustes.</translation>
    </message>
    <message>
        <source>Receipt Folder</source>
        <translation>Carpeta de recibos</translation>
    </message>
</context>
</TS>
