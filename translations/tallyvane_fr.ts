<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>--day-report needs a day written YYYY-MM-DD.</source>
        <translation>--day-report attend un jour écrit AAAA-MM-JJ.</translation>
    </message>
    <message>
        <source>--day-report needs one of --pdf OUT.pdf and --csv OUT.csv.</source>
        <translation>--day-report attend --pdf OUT.pdf ou --csv OUT.csv.</translation>
    </message>
    <message>
        <source>%1: there is no such file.</source>
        <translation>%1&#xa0;: ce fichier n’existe pas.</translation>
    </message>
    <message>
        <source>%1: the journal is whole.</source>
        <translation>%1&#xa0;: le journal est intact.</translation>
    </message>
    <message>
        <source>%1: entry %2 does not match what was recorded.</source>
        <translation>%1&#xa0;: l’entrée %2 ne correspond pas à ce qui a été enregistré.</translation>
    </message>
    <message>
        <source>Checks the journal of deals (or FILE) and names the first entry that does not match.</source>
        <translation>Vérifie le journal des opérations (ou FILE) et indique la première entrée qui ne correspond pas.</translation>
    </message>
    <message>
        <source>Writes the deals of DAY (YYYY-MM-DD) with --pdf or --csv.</source>
        <translation>Écrit les opérations du jour DAY (AAAA-MM-JJ) avec --pdf ou --csv.</translation>
    </message>
    <message>
        <source>The day&apos;s report as a PDF file.</source>
        <translation>Le rapport du jour en fichier PDF.</translation>
    </message>
    <message>
        <source>The day&apos;s report as a CSV file.</source>
        <translation>Le rapport du jour en fichier CSV.</translation>
    </message>
    <message>
        <source>Fetches and applies head office&apos;s rates once.</source>
        <translation>Récupère et applique une fois les taux du siège.</translation>
    </message>
    <message>
        <source>Writes the program&apos;s own export of its rates to FILE.</source>
        <translation>Écrit dans FILE l’export des taux propre au programme.</translation>
    </message>
    <message>
        <source>The journal --check-journal checks.</source>
        <translation>Le journal que vérifie --check-journal.</translation>
    </message>
    <message>
        <source>--check-journal takes at most one file.</source>
        <translation>--check-journal accepte au plus un fichier.</translation>
    </message>
    <message>
        <source>Unexpected arguments: see --help.</source>
        <translation>Arguments inattendus&#xa0;: voir --help.</translation>
    </message>
    <message>
        <source>--reprint-receipt needs a deal&apos;s number.</source>
        <translation>--reprint-receipt attend le numéro d’une opération.</translation>
    </message>
    <message>
        <source>The settings send receipts nowhere: choose a printer or a folder first.</source>
        <translation>Les paramètres n’envoient les reçus nulle part : choisissez d’abord une imprimante ou un dossier.</translation>
    </message>
    <message>
        <source>Entry %1 is not a deal.</source>
        <translation>L’entrée %1 n’est pas une opération.</translation>
    </message>
    <message>
        <source>Issues deal N&apos;s receipt again, marked COPY, where the settings send receipts.</source>
        <translation>Réimprime le reçu de l’opération N, marqué DUPLICATA, là où les paramètres envoient les reçus.</translation>
    </message>
</context>
<context>
    <name>CommissionPage</name>
    <message>
        <source>Minimum commission (£)</source>
        <extracomment>The box of the Settings dialog, followed by a colon; the pound sign is the currency of the till.</extracomment>
        <translation>Commission minimale (£)</translation>
    </message>
</context>
<context>
    <name>CountryList</name>
    <message>
        <source>&quot;%1&quot; is no longer in the rates table.</source>
        <translation>«&#xa0;%1&#xa0;» ne figure plus dans la table des taux.</translation>
    </message>
    <message>
        <source>The rate of &quot;%1&quot; could not be read.</source>
        <translation>Impossible de lire le taux de «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>There were errors while trying to fill the countries lists.</source>
        <translation>Des erreurs sont survenues lors du remplissage des listes de pays.</translation>
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
        <translation>dollar</translation>
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
        <translation>couronne</translation>
    </message>
    <message>
        <source>Krone</source>
        <translation>couronne</translation>
    </message>
    <message>
        <source>Pound</source>
        <translation>livre</translation>
    </message>
    <message>
        <source>Forint</source>
        <translation>forint</translation>
    </message>
    <message>
        <source>Zloty</source>
        <translation>zloty</translation>
    </message>
    <message>
        <source>Leu</source>
        <translation>leu</translation>
    </message>
    <message>
        <source>Krona</source>
        <translation>couronne</translation>
    </message>
    <message>
        <source>Franc</source>
        <translation>franc</translation>
    </message>
    <message>
        <source>Kuna</source>
        <translation>kuna</translation>
    </message>
    <message>
        <source>Rouble</source>
        <translation>rouble</translation>
    </message>
    <message>
        <source>Lira</source>
        <translation>livre</translation>
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
        <translation>roupie</translation>
    </message>
    <message>
        <source>Shekel</source>
        <translation>shekel</translation>
    </message>
    <message>
        <source>Rupee</source>
        <translation>roupie</translation>
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
        <translation>baht</translation>
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
        <translation>Un problème est survenu lors de la connexion à la base des taux de change.</translation>
    </message>
    <message>
        <source>Check if the database is at the following location:</source>
        <extracomment>Followed by the rates file&apos;s path on a line of its own.</extracomment>
        <translation>Vérifiez que la base de données se trouve à l’emplacement suivant&#xa0;:</translation>
    </message>
    <message>
        <source>There was a problem launching Tallyvane.</source>
        <translation>Un problème est survenu au lancement de Tallyvane.</translation>
    </message>
    <message>
        <source>You can still run the software, but you may experience problems.</source>
        <translation>Vous pouvez tout de même utiliser le logiciel, mais des problèmes risquent de survenir.</translation>
    </message>
    <message>
        <source>Would you like to continue loading Tallyvane?</source>
        <translation>Voulez-vous poursuivre le chargement de Tallyvane&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation (de, fr, es, pl, ...): dates take their month names from it.</extracomment>
        <translation>fr</translation>
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
        <translation>Opération</translation>
    </message>
    <message>
        <source>Void</source>
        <translation>Annulation</translation>
    </message>
    <message>
        <source>Opening float</source>
        <translation>Fonds de caisse initial</translation>
    </message>
    <message>
        <source>Closing count</source>
        <translation>Comptage de clôture</translation>
    </message>
    <message>
        <source>%1 %2 for %3 %4</source>
        <translation>%1 %2 contre %3 %4</translation>
    </message>
    <message>
        <source>voids %1: %2</source>
        <translation>annule %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Bought</source>
        <translation>Acheté</translation>
    </message>
    <message>
        <source>Sold</source>
        <translation>Vendu</translation>
    </message>
    <message>
        <source>Commission</source>
        <translation>Commission</translation>
    </message>
    <message>
        <source>Commission (£)</source>
        <translation>Commission (en £)</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attendu</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Deals of %1</source>
        <translation>Opérations du %1</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Till</source>
        <translation>Caisse</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
</context>
<context>
    <name>DealRecording</name>
    <message>
        <source>The deal was not recorded.</source>
        <translation>L’opération n’a pas été enregistrée.</translation>
    </message>
    <message>
        <source>Deal %1 is recorded, but its receipt could not be issued.</source>
        <translation>L’opération %1 est enregistrée, mais son reçu n’a pas pu être émis.</translation>
    </message>
    <message>
        <source>The journal holds no deal yet.</source>
        <translation>Le journal ne contient encore aucune opération.</translation>
    </message>
    <message>
        <source>Reprint Receipt</source>
        <translation>Réimprimer le reçu</translation>
    </message>
    <message>
        <source>Number of the deal:</source>
        <translation>Numéro de l’opération&#xa0;:</translation>
    </message>
    <message>
        <source>Entry %1 is not a deal.</source>
        <translation>L’entrée %1 n’est pas une opération.</translation>
    </message>
    <message>
        <source>The receipt could not be issued.</source>
        <translation>Le reçu n’a pas pu être émis.</translation>
    </message>
    <message>
        <source>The journal could not be read.</source>
        <translation>Impossible de lire le journal.</translation>
    </message>
    <message>
        <source>There is no deal to void.</source>
        <translation>Il n’y a aucune opération à annuler.</translation>
    </message>
    <message>
        <source>Void deal %1: %2 %3 for %4 %5?</source>
        <translation>Annuler l’opération %1&#xa0;: %2 %3 contre %4 %5&#xa0;?</translation>
    </message>
    <message>
        <source>Void Last Deal</source>
        <translation>Annuler la dernière opération</translation>
    </message>
    <message>
        <source>Reason:</source>
        <translation>Motif&#xa0;:</translation>
    </message>
    <message>
        <source>A void needs a reason: nothing was recorded.</source>
        <translation>Une annulation exige un motif&#xa0;: rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>Deal %1 is void (entry %2).</source>
        <translation>L’opération %1 est annulée (entrée %2).</translation>
    </message>
    <message>
        <source>Nothing was voided.</source>
        <translation>Rien n’a été annulé.</translation>
    </message>
    <message>
        <source>Entry %1 of the journal does not match what was recorded: it, or the entry before it, has been changed outside Tallyvane. New deals are still recorded.</source>
        <translation>L’entrée %1 du journal ne correspond pas à ce qui a été enregistré&#xa0;: elle, ou l’entrée qui la précède, a été modifiée en dehors de Tallyvane. Les nouvelles opérations sont toujours enregistrées.</translation>
    </message>
    <message>
        <source>The journal is whole: every entry matches what was recorded.</source>
        <translation>Le journal est intact&#xa0;: chaque entrée correspond à ce qui a été enregistré.</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>The amount is not a number.</source>
        <translation>Le montant n’est pas un nombre.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert From country is not a number.</source>
        <translation>Le taux de change du pays «&#xa0;Convertir de&#xa0;» n’est pas un nombre.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert To country is not a number.</source>
        <translation>Le taux de change du pays «&#xa0;Convertir en&#xa0;» n’est pas un nombre.</translation>
    </message>
    <message>
        <source>The commission is not a number.</source>
        <translation>La commission n’est pas un nombre.</translation>
    </message>
    <message>
        <source>The amount is too large to convert.</source>
        <translation>Le montant est trop élevé pour être converti.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert From country is too large to use.</source>
        <translation>Le taux de change du pays «&#xa0;Convertir de&#xa0;» est trop élevé pour être utilisé.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert To country is too large to use.</source>
        <translation>Le taux de change du pays «&#xa0;Convertir en&#xa0;» est trop élevé pour être utilisé.</translation>
    </message>
    <message>
        <source>The commission is too large to use.</source>
        <translation>La commission est trop élevée pour être appliquée.</translation>
    </message>
    <message>
        <source>The result is too large to show.</source>
        <translation>Le résultat est trop élevé pour être affiché.</translation>
    </message>
    <message>
        <source>The exchange rate of the Convert From country is 0, so the amount cannot be converted.</source>
        <translation>Le taux de change du pays «&#xa0;Convertir de&#xa0;» est égal à 0&#xa0;: le montant ne peut donc pas être converti.</translation>
    </message>
    <message>
        <source>The exchange could not be calculated.</source>
        <translation>Le change n’a pas pu être calculé.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Save Error</source>
        <translation>Erreur d’enregistrement</translation>
    </message>
    <message>
        <source>ERROR #: %1</source>
        <extracomment>The first of two lines closing a failure report; %1 is the error&apos;s number.</extracomment>
        <translation>ERREUR n°&#xa0;: %1</translation>
    </message>
    <message>
        <source>ERROR  :%1</source>
        <extracomment>The second line, under &quot;ERROR #: %1&quot;; %1 is the error&apos;s description.</extracomment>
        <translation>ERREUR   &#xa0;:%1</translation>
    </message>
    <message>
        <source>If the problem persists, please report the following details to Fernwick Software:</source>
        <translation>Si le problème persiste, veuillez communiquer les informations suivantes à Fernwick Software&#xa0;:</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s’est produite.</translation>
    </message>
</context>
<context>
    <name>Feed</name>
    <message>
        <source>The head office key cannot be read: it must be the key line of a minisign public key file.</source>
        <translation>La clé du siège ne peut pas être lue&#xa0;: ce doit être la ligne de clé d’un fichier de clé publique minisign.</translation>
    </message>
    <message>
        <source>The signature file is not a minisign signature.</source>
        <translation>Le fichier de signature n’est pas une signature minisign.</translation>
    </message>
    <message>
        <source>The signature is of a kind this program does not know.</source>
        <translation>La signature est d’un type que ce programme ne connaît pas.</translation>
    </message>
    <message>
        <source>The file is signed with another key than the head office key.</source>
        <translation>Le fichier est signé avec une autre clé que celle du siège.</translation>
    </message>
    <message>
        <source>The file does not match its signature: it was changed or cut short.</source>
        <translation>Le fichier ne correspond pas à sa signature&#xa0;: il a été modifié ou tronqué.</translation>
    </message>
    <message>
        <source>The signature&apos;s trusted comment was changed.</source>
        <translation>Le commentaire de confiance de la signature a été modifié.</translation>
    </message>
    <message>
        <source>The signature carries no time, so the file cannot be told from an older one.</source>
        <translation>La signature ne porte aucune date&#xa0;: le fichier ne peut donc pas être distingué d’un fichier plus ancien.</translation>
    </message>
    <message>
        <source>%1 sent the program on to %2, which is not https: rates are fetched over https only.</source>
        <translation>%1 a redirigé le programme vers %2, qui n’est pas en https&#xa0;: les taux ne sont récupérés qu’en https.</translation>
    </message>
    <message>
        <source>%1 is not an https address: rates are fetched over https only.</source>
        <translation>%1 n’est pas une adresse https&#xa0;: les taux ne sont récupérés qu’en https.</translation>
    </message>
    <message>
        <source>%1 cannot be reached: there is no network connection, or the server cannot be found or does not answer.</source>
        <translation>%1 est injoignable&#xa0;: il n’y a pas de connexion réseau, ou le serveur est introuvable ou ne répond pas.</translation>
    </message>
    <message>
        <source>%1 is not on the server (it may not be published yet).</source>
        <translation>%1 ne se trouve pas sur le serveur (il n’est peut-être pas encore publié).</translation>
    </message>
    <message>
        <source>The server of %1 cannot prove who it is: its certificate does not verify.</source>
        <translation>Le serveur de %1 ne peut pas prouver son identité&#xa0;: son certificat n’est pas valide.</translation>
    </message>
    <message>
        <source>%1 is larger than a rate file may be (%2); nothing was kept.</source>
        <translation>%1 est plus volumineux que ne peut l’être un fichier de taux (%2)&#xa0;; rien n’a été conservé.</translation>
    </message>
    <message>
        <source>%1 did not come in time: the server stopped answering.</source>
        <translation>%1 n’est pas arrivé à temps&#xa0;: le serveur a cessé de répondre.</translation>
    </message>
    <message>
        <source>The download of %1 was cancelled.</source>
        <translation>Le téléchargement de %1 a été annulé.</translation>
    </message>
    <message>
        <source>The server refused %1 (HTTP status %2).</source>
        <translation>Le serveur a refusé %1 (statut HTTP %2).</translation>
    </message>
    <message>
        <source>The download of %1 was cut short.</source>
        <translation>Le téléchargement de %1 a été interrompu.</translation>
    </message>
    <message>
        <source>%1 cannot be fetched: %2</source>
        <translation>%1 ne peut pas être récupéré&#xa0;: %2</translation>
    </message>
    <message>
        <source>The head office settings in %1 cannot be used: %2</source>
        <extracomment>%1 is a file, %2 what is wrong in it.</extracomment>
        <translation>Les réglages du siège dans %1 ne peuvent pas être utilisés&#xa0;: %2</translation>
    </message>
    <message>
        <source>line %1 is not of the form Name=value.</source>
        <translation>la ligne %1 n’est pas de la forme Nom=valeur.</translation>
    </message>
    <message>
        <source>line %1 gives %2 a second time.</source>
        <translation>la ligne %1 donne %2 une seconde fois.</translation>
    </message>
    <message>
        <source>it has no Url.</source>
        <translation>il n’indique pas d’Url.</translation>
    </message>
    <message>
        <source>it has no PublicKey.</source>
        <translation>il n’indique pas de PublicKey.</translation>
    </message>
    <message>
        <source>the Url %1 is not the https address of a file.</source>
        <translation>l’Url %1 n’est pas l’adresse https d’un fichier.</translation>
    </message>
    <message>
        <source>the PublicKey is not the key line of a minisign public key file.</source>
        <translation>la PublicKey n’est pas la ligne de clé d’un fichier de clé publique minisign.</translation>
    </message>
    <message>
        <source>IntervalMinutes must be a whole number of minutes from 1 to %1.</source>
        <translation>IntervalMinutes doit être un nombre entier de minutes, de 1 à %1.</translation>
    </message>
    <message>
        <source>users other than root may change it; it must belong to root and be writable by root only.</source>
        <translation>d’autres utilisateurs que root peuvent le modifier&#xa0;; il doit appartenir à root et n’être modifiable que par root.</translation>
    </message>
    <message>
        <source>it is too large for a settings file.</source>
        <translation>il est trop volumineux pour un fichier de réglages.</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>ce n’est pas un fichier.</translation>
    </message>
    <message>
        <source>it cannot be read (%1).</source>
        <translation>il ne peut pas être lu (%1).</translation>
    </message>
    <message>
        <source>%1 was refused: %2</source>
        <extracomment>%1 is the head office file&apos;s address, %2 what is wrong with its signature.</extracomment>
        <translation>%1 a été refusé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 was refused: it was signed on %2, not after the rates applied last (signed on %3).</source>
        <translation>%1 a été refusé&#xa0;: il a été signé le %2, et non après les derniers taux appliqués (signés le %3).</translation>
    </message>
    <message>
        <source>%1 was refused: it is a rate file, but not an export of this program.</source>
        <translation>%1 a été refusé&#xa0;: c’est un fichier de taux, mais pas un export de ce programme.</translation>
    </message>
    <message>
        <source>%1 holds the rates applied last (signed on %2).</source>
        <translation>%1 contient les derniers taux appliqués (signés le %2).</translation>
    </message>
    <message>
        <source>Rates from head office: none applied yet.</source>
        <translation>Taux du siège&#xa0;: aucun appliqué pour l’instant.</translation>
    </message>
    <message>
        <source>Rates from head office, applied %1.</source>
        <extracomment>%1 is when head office&apos;s rates were applied.</extracomment>
        <translation>Taux du siège, appliqués le %1.</translation>
    </message>
    <message>
        <source>Rates from head office, applied %1; the rates are of %2.</source>
        <extracomment>%1 is when head office&apos;s rates were applied, %2 the newest date of those rates.</extracomment>
        <translation>Taux du siège, appliqués le %1&#xa0;; taux du %2.</translation>
    </message>
    <message>
        <source>%1 Nothing was changed: %2</source>
        <extracomment>%1 says what was applied, %2 why the last file was not.</extracomment>
        <translation>%1 Rien n’a été modifié&#xa0;: %2</translation>
    </message>
    <message>
        <source>The rates database is not open.</source>
        <translation>La base des taux n’est pas ouverte.</translation>
    </message>
</context>
<context>
    <name>FeedCommands</name>
    <message>
        <source>No head office is configured: there is no %1 and no head office in the user&apos;s settings.</source>
        <translation>Aucun siège n’est configuré&#xa0;: il n’y a ni %1, ni siège dans les réglages de l’utilisateur.</translation>
    </message>
</context>
<context>
    <name>FigureLabel</name>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader says for a result: its name, then the figure.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>HeadOffice</name>
    <message>
        <source>Rates on this till come from head office</source>
        <translation>Les taux de cette caisse viennent du siège</translation>
    </message>
</context>
<context>
    <name>ImportExport</name>
    <message>
        <source>%1 has nothing to change: the rates table already holds every rate it gives.</source>
        <translation>%1 ne change rien&#xa0;: la table des taux contient déjà tous les taux qu’il donne.</translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the file were left out:</source>
        <extracomment>Followed by the rows, one a line.</extracomment>
        <translation>
            <numerusform>%n ligne du fichier a été ignorée&#xa0;:</numerusform>
            <numerusform>%n lignes du fichier ont été ignorées&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>The rates database is not open, so no rates can be imported.</source>
        <translation>La base des taux n’est pas ouverte&#xa0;: aucun taux ne peut être importé.</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>Rien n’a été importé.</translation>
    </message>
    <message numerus="yes">
        <source>%n rates imported from %1.</source>
        <translation>
            <numerusform>%n taux importé depuis %1.</numerusform>
            <numerusform>%n taux importés depuis %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The rates database is not open, so there are no rates to export.</source>
        <translation>La base des taux n’est pas ouverte&#xa0;: il n’y a aucun taux à exporter.</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters: keep the patterns in brackets and the ;; between filters.</extracomment>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 existe déjà.</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation>Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The rates were not exported.</source>
        <translation>Les taux n’ont pas été exportés.</translation>
    </message>
    <message numerus="yes">
        <source>%n rates exported to %1.</source>
        <translation>
            <numerusform>%n taux exporté vers %1.</numerusform>
            <numerusform>%n taux exportés vers %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Rates</source>
        <translation>Importer des taux</translation>
    </message>
    <message>
        <source>Export Rates</source>
        <translation>Exporter les taux</translation>
    </message>
    <message>
        <source>The rates could not be imported.</source>
        <translation>Les taux n’ont pas pu être importés.</translation>
    </message>
    <message>
        <source>The rates could not be exported.</source>
        <translation>Les taux n’ont pas pu être exportés.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>… et %n autre.</numerusform>
            <numerusform>… et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rate files (*.csv *.txt *.xml);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters: keep the patterns in brackets and the ;; between filters.</extracomment>
        <translation>Fichiers de taux (*.csv *.txt *.xml);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>the folder %1 allows no new file: %2</source>
        <translation>le dossier %1 n’accepte aucun nouveau fichier&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not create it: %1.</source>
        <translation>Impossible de le créer&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The journal entry needs %1.</source>
        <translation>Il manque à l’entrée du journal %1.</translation>
    </message>
    <message>
        <source>the country the money comes from</source>
        <translation>le pays d’où vient l’argent</translation>
    </message>
    <message>
        <source>the country the money goes to</source>
        <translation>le pays où va l’argent</translation>
    </message>
    <message>
        <source>A deal&apos;s rates must be numbers above 0.</source>
        <translation>Les taux d’une opération doivent être des nombres supérieurs à 0.</translation>
    </message>
    <message>
        <source>A deal&apos;s total must be the exchanged amount less the commission.</source>
        <translation>Le total d’une opération doit être le montant converti moins la commission.</translation>
    </message>
    <message>
        <source>a currency</source>
        <translation>une devise</translation>
    </message>
    <message>
        <source>A float or a count cannot be below 0.</source>
        <translation>Un fonds de caisse ou un comptage ne peut pas être inférieur à 0.</translation>
    </message>
    <message>
        <source>Entry %1 is not a deal in the journal: there is nothing to void.</source>
        <translation>L’entrée %1 n’est pas une opération du journal&#xa0;: il n’y a rien à annuler.</translation>
    </message>
    <message>
        <source>Deal %1 was already voided by entry %2.</source>
        <translation>L’opération %1 a déjà été annulée par l’entrée %2.</translation>
    </message>
    <message>
        <source>%1 is not a deal journal.</source>
        <translation>%1 n’est pas un journal des opérations.</translation>
    </message>
    <message>
        <source>The encryption of the journal could not be set up.</source>
        <translation>Le chiffrement du journal n’a pas pu être mis en place.</translation>
    </message>
    <message>
        <source>Could not record in the journal %1: %2</source>
        <translation>Impossible d’enregistrer dans le journal %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the reason for the void</source>
        <translation>le motif de l’annulation</translation>
    </message>
    <message>
        <source>%1 is not a deal journal, or it is damaged.</source>
        <translation>%1 n’est pas un journal des opérations, ou il est endommagé.</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Tallyvane; this version cannot use it.</source>
        <translation>%1 a été écrit par une version plus récente de Tallyvane&#xa0;; cette version ne peut pas l’utiliser.</translation>
    </message>
</context>
<context>
    <name>Maintenance</name>
    <message>
        <source>You may not change the rates on this computer: ask the administrator to add you to the group %1, then log in again.</source>
        <translation>Vous n’avez pas le droit de modifier les taux sur cet ordinateur&#xa0;: demandez à l’administrateur de vous ajouter au groupe %1, puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>The rates cannot be changed because %1 is on a read-only disk: ask the administrator to make it writable.</source>
        <translation>Les taux ne peuvent pas être modifiés, car %1 se trouve sur un disque en lecture seule&#xa0;: demandez à l’administrateur de le rendre accessible en écriture.</translation>
    </message>
    <message>
        <source>The rates cannot be changed because the rates file %1 is read-only for you: ask the administrator to let you write to it.</source>
        <translation>Les taux ne peuvent pas être modifiés, car le fichier des taux %1 est pour vous en lecture seule&#xa0;: demandez à l’administrateur de vous y donner l’accès en écriture.</translation>
    </message>
    <message>
        <source>The rates cannot be changed because the folder %1, where the rates file keeps its journal while saving, is read-only for you: ask the administrator to let you write to it.</source>
        <translation>Les taux ne peuvent pas être modifiés, car le dossier %1, où le fichier des taux tient son journal pendant l’enregistrement, est pour vous en lecture seule&#xa0;: demandez à l’administrateur de vous y donner l’accès en écriture.</translation>
    </message>
    <message>
        <source>There was a problem saving the data.</source>
        <translation>Un problème est survenu lors de l’enregistrement des données.</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Write it with digits and at most one %1 as the decimal mark, for example %2.</source>
        <extracomment>%1 the decimal mark in quotation marks, %2 a number written so.</extracomment>
        <translation>Écrivez le nombre en chiffres, avec au plus un %1 comme séparateur décimal, par exemple %2.</translation>
    </message>
    <message>
        <source>Write it with digits and at most one %1 as the decimal mark, without a point or any thousands separator, for example %2.</source>
        <extracomment>%1 the decimal mark in quotation marks, %2 a number written so. A point could be a thousands separator, so it is never read.</extracomment>
        <translation>Écrivez le nombre en chiffres, avec au plus un %1 comme séparateur décimal, sans point ni séparateur de milliers, par exemple %2.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The PDF could not be made.</source>
        <translation>Le PDF n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>The printer could not take the job.</source>
        <translation>L’imprimante n’a pas pu accepter la tâche.</translation>
    </message>
</context>
<context>
    <name>RateAge</name>
    <message>
        <source>Rate of no known date: old</source>
        <translation>Taux de date inconnue&#xa0;: périmé</translation>
    </message>
    <message>
        <source>Rate of no known date</source>
        <translation>Taux de date inconnue</translation>
    </message>
    <message>
        <source>Rate of %1: old</source>
        <extracomment>%1 is the rate&apos;s date, as &quot;1 Dec 2026&quot;.</extracomment>
        <translation>Taux du %1&#xa0;: périmé</translation>
    </message>
    <message>
        <source>Rate of %1</source>
        <translation>Taux du %1</translation>
    </message>
    <message>
        <source>The rate of %1 has no date, so it cannot be shown to be current. Update the rates before recording this deal.</source>
        <extracomment>%1 is a country.</extracomment>
        <translation>Le taux de «&#xa0;%1&#xa0;» n’a pas de date&#xa0;: rien ne montre qu’il est à jour. Mettez à jour les taux avant d’enregistrer cette opération.</translation>
    </message>
    <message numerus="yes">
        <source>The rate of %1 is of %2, older than %n days. Update the rates before recording this deal.</source>
        <extracomment>%1 is a country, %2 the rate&apos;s date; %n the days after which rates are old.</extracomment>
        <translation>
            <numerusform>Le taux de «&#xa0;%1&#xa0;» date du %2, soit plus de %n jour. Mettez à jour les taux avant d’enregistrer cette opération.</numerusform>
            <numerusform>Le taux de «&#xa0;%1&#xa0;» date du %2, soit plus de %n jours. Mettez à jour les taux avant d’enregistrer cette opération.</numerusform>
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
        <translation>Commission %1&#xa0;%</translation>
    </message>
    <message>
        <source>Commission %1 %, minimum £%2</source>
        <extracomment>The rate board&apos;s commission line; %1 is the percentage, %2 the least commission in pounds.</extracomment>
        <translation>Commission %1&#xa0;%, minimum %2&#xa0;£</translation>
    </message>
    <message>
        <source>Oldest rate: %1</source>
        <extracomment>Below the rate board: the day of the oldest rate it shows.</extracomment>
        <translation>Taux le plus ancien&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>RateExport</name>
    <message>
        <source>Tallyvane rates %1.csv</source>
        <extracomment>The name the export offers; %1 the day as YYYY-MM-DD, which sorts by date.</extracomment>
        <translation>Taux Tallyvane %1.csv</translation>
    </message>
</context>
<context>
    <name>RateFileWords</name>
    <message>
        <source>UK monthly rates (CSV)</source>
        <translation>Taux mensuels du Royaume-Uni (CSV)</translation>
    </message>
    <message>
        <source>UK monthly rates (XML)</source>
        <translation>Taux mensuels du Royaume-Uni (XML)</translation>
    </message>
    <message>
        <source>European Central Bank daily rates (XML)</source>
        <translation>Taux quotidiens de la BCE (XML)</translation>
    </message>
    <message>
        <source>European Central Bank daily rates (CSV)</source>
        <translation>Taux quotidiens de la BCE (CSV)</translation>
    </message>
    <message>
        <source>Tallyvane export</source>
        <extracomment>A file written by the program&apos;s File &gt; Export Rates.</extracomment>
        <translation>Export Tallyvane</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A period of days, from the first to the last.</extracomment>
        <translation>%1 au %2</translation>
    </message>
</context>
<context>
    <name>RateFiles</name>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 est vide.</translation>
    </message>
    <message>
        <source>is not a rate file this program knows: its first line is neither the header of published rates nor that of an export.</source>
        <extracomment>Said of the file; follows &quot;&lt;file&gt;, line &lt;number&gt;:&quot;.</extracomment>
        <translation>n’est pas un fichier de taux que ce programme connaît&#xa0;: sa première ligne n’est ni l’en-tête de taux publiés ni celui d’un export.</translation>
    </message>
    <message>
        <source>the XML is malformed: %1</source>
        <translation>le XML est mal formé&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is not a rate file this program knows: its XML starts with &lt;%2&gt;.</source>
        <translation>%1 n’est pas un fichier de taux que ce programme connaît&#xa0;: son XML commence par &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>%1 is too large for a rate file (over %2 MB).</source>
        <translation>%1 est trop volumineux pour un fichier de taux (plus de %2&#xa0;Mo).</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 n’est pas un fichier.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 n’est pas un fichier texte.</translation>
    </message>
    <message>
        <source>%1 is not a text file (it holds binary data).</source>
        <translation>%1 n’est pas un fichier texte (il contient des données binaires).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A rate&apos;s column or element in the file, then what is wrong with the rate.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the rate is missing.</source>
        <translation>le taux est absent.</translation>
    </message>
    <message>
        <source>the rate %1 is too large.</source>
        <translation>le taux %1 est trop élevé.</translation>
    </message>
    <message>
        <source>the rate %1 is not a number.</source>
        <translation>le taux %1 n’est pas un nombre.</translation>
    </message>
    <message>
        <source>the rate %1 is too small.</source>
        <translation>le taux %1 est trop faible.</translation>
    </message>
    <message>
        <source>the rate %1 is not above 0.</source>
        <translation>le taux %1 n’est pas supérieur à 0.</translation>
    </message>
    <message>
        <source>the rate %1 has a decimal comma where the rate on line %2 has a decimal point: thousands separators are not read, so the rates of a file use one decimal mark.</source>
        <translation>le taux %1 a une virgule décimale alors que le taux de la ligne %2 a un point décimal&#xa0;: les séparateurs de milliers ne sont pas lus, les taux d’un même fichier utilisent donc un seul séparateur décimal.</translation>
    </message>
    <message>
        <source>the rate %1 has a decimal point where the rate on line %2 has a decimal comma: thousands separators are not read, so the rates of a file use one decimal mark.</source>
        <translation>le taux %1 a un point décimal alors que le taux de la ligne %2 a une virgule décimale&#xa0;: les séparateurs de milliers ne sont pas lus, les taux d’un même fichier utilisent donc un seul séparateur décimal.</translation>
    </message>
    <message>
        <source>expected %1 fields, found %2 (separated by semicolons, as on the first line).</source>
        <translation>%1 champs attendus, %2 trouvés (séparés par des points-virgules, comme sur la première ligne).</translation>
    </message>
    <message>
        <source>expected %1 fields, found %2 (separated by tabs, as on the first line).</source>
        <translation>%1 champs attendus, %2 trouvés (séparés par des tabulations, comme sur la première ligne).</translation>
    </message>
    <message>
        <source>expected %1 fields, found %2 (separated by commas, as on the first line).</source>
        <translation>%1 champs attendus, %2 trouvés (séparés par des virgules, comme sur la première ligne).</translation>
    </message>
    <message>
        <source>holds more than %1 rates, more than this program takes from one file (a published file holds a few hundred).</source>
        <extracomment>Said of the rate file; follows &quot;&lt;file&gt;, line &lt;number&gt;:&quot;.</extracomment>
        <translation>contient plus de %1 taux, soit plus que ce programme n’en accepte d’un seul fichier (un fichier publié en contient quelques centaines).</translation>
    </message>
    <message>
        <source>the country %1 is listed twice (first on line %2).</source>
        <translation>le pays %1 figure deux fois (la première fois à la ligne %2).</translation>
    </message>
    <message>
        <source>the country is missing.</source>
        <translation>le pays est absent.</translation>
    </message>
    <message>
        <source>the start date %1 is not a date.</source>
        <translation>la date de début %1 n’est pas une date.</translation>
    </message>
    <message>
        <source>the end date %1 is not a date.</source>
        <translation>la date de fin %1 n’est pas une date.</translation>
    </message>
    <message>
        <source>%1 holds no rates.</source>
        <translation>%1 ne contient aucun taux.</translation>
    </message>
    <message>
        <source>the period %1 is not two dates.</source>
        <translation>la période %1 n’est pas formée de deux dates.</translation>
    </message>
    <message>
        <source>the period&apos;s first day %1 is not a date.</source>
        <translation>le premier jour de la période, %1, n’est pas une date.</translation>
    </message>
    <message>
        <source>the period&apos;s last day %1 is not a date.</source>
        <translation>le dernier jour de la période, %1, n’est pas une date.</translation>
    </message>
    <message>
        <source>element &lt;exchangeRate&gt; has no &lt;countryName&gt;.</source>
        <translation>l’élément &lt;exchangeRate&gt; n’a pas de &lt;countryName&gt;.</translation>
    </message>
    <message>
        <source>element &lt;exchangeRate&gt; of %1 has no &lt;rateNew&gt;.</source>
        <translation>l’élément &lt;exchangeRate&gt; de %1 n’a pas de &lt;rateNew&gt;.</translation>
    </message>
    <message>
        <source>element &lt;rateNew&gt; of %1</source>
        <translation>élément &lt;rateNew&gt; de %1</translation>
    </message>
    <message>
        <source>the XML is malformed or cut short: %1</source>
        <translation>le XML est mal formé ou tronqué&#xa0;: %1</translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;: time %1 is not a date.</source>
        <translation>élément &lt;Cube&gt;&#xa0;: l’attribut time %1 n’est pas une date.</translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;: %1 is not a currency code.</source>
        <translation>élément &lt;Cube&gt;&#xa0;: %1 n’est pas un code de devise.</translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;: a rate without a date.</source>
        <translation>élément &lt;Cube&gt;&#xa0;: un taux sans date.</translation>
    </message>
    <message>
        <source>element &lt;Cube&gt;</source>
        <translation>élément &lt;Cube&gt;</translation>
    </message>
    <message>
        <source>column %1 of the header: %2 is not a currency code.</source>
        <translation>colonne %1 de l’en-tête&#xa0;: %2 n’est pas un code de devise.</translation>
    </message>
    <message>
        <source>column %1 of the header: the currency %2 is listed twice.</source>
        <translation>colonne %1 de l’en-tête&#xa0;: la devise %2 figure deux fois.</translation>
    </message>
    <message>
        <source>the day %1 is not a date.</source>
        <translation>le jour %1 n’est pas une date.</translation>
    </message>
    <message>
        <source>the currency %1 is listed twice for %2.</source>
        <translation>la devise %1 figure deux fois pour le %2.</translation>
    </message>
    <message>
        <source>has no rate for the pound (GBP) on %1, so its rates per euro cannot be turned into rates per pound.</source>
        <extracomment>Said of the rate file; follows &quot;&lt;file&gt;, line &lt;number&gt;:&quot;. %1 is a day.</extracomment>
        <translation>n’a pas de taux de la livre sterling (GBP) pour le %1&#xa0;: ses taux par euro ne peuvent donc pas être convertis en taux par livre.</translation>
    </message>
    <message>
        <source>the rate of %1 cannot be turned into a rate per pound.</source>
        <translation>le taux de %1 ne peut pas être converti en taux par livre.</translation>
    </message>
    <message>
        <source>the date %1 is not a date (YYYY-MM-DD, or DD.MM.YYYY as spreadsheets save it).</source>
        <translation>la date %1 n’est pas une date (AAAA-MM-JJ, ou JJ.MM.AAAA comme l’enregistrent les tableurs).</translation>
    </message>
    <message>
        <source>a quote inside an unquoted field.</source>
        <translation>un guillemet dans un champ sans guillemets.</translation>
    </message>
    <message>
        <source>a quoted field is not closed.</source>
        <translation>un champ entre guillemets n’est pas refermé.</translation>
    </message>
    <message>
        <source>text after a closing quote.</source>
        <translation>du texte après un guillemet fermant.</translation>
    </message>
    <message>
        <source>more than %1 fields on one line.</source>
        <translation>plus de %1 champs sur une ligne.</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is not an ordinary file (a device, a pipe or the like)</source>
        <translation>ce n’est pas un fichier ordinaire (mais un périphérique, un tube ou autre)</translation>
    </message>
    <message>
        <source>%1 (its folder allows no new file beside it, and the old file is never written over in place)</source>
        <extracomment>Why a file could not be written; %1 is the system&apos;s reason.</extracomment>
        <translation>%1 (son dossier n’accepte aucun nouveau fichier à côté de lui, et l’ancien fichier n’est jamais écrasé sur place)</translation>
    </message>
    <message>
        <source>the new file is in place, but its folder could not be synced: %1</source>
        <translation>le nouveau fichier est en place, mais son dossier n’a pas pu être synchronisé sur le disque&#xa0;: %1</translation>
    </message>
    <message>
        <source>the rate %1 holds both a point and a comma: thousands separators are not read, so write the rate without them.</source>
        <translation>le taux %1 contient à la fois un point et une virgule&#xa0;: les séparateurs de milliers ne sont pas lus, écrivez donc le taux sans eux.</translation>
    </message>
    <message>
        <source>Line %1: the country name %2 is longer than %3 characters.</source>
        <translation>Ligne %1&#xa0;: le nom de pays %2 dépasse %3 caractères.</translation>
    </message>
    <message>
        <source>the figure %1 holds both &apos;.&apos; and &apos;,&apos;: thousands separators are not read, so write it without them.</source>
        <translation>le nombre %1 contient à la fois «&#xa0;.&#xa0;» et «&#xa0;,&#xa0;»&#xa0;: les séparateurs de milliers ne sont pas lus, écrivez-le donc sans eux.</translation>
    </message>
    <message>
        <source>the %1 %2 is not a currency code (three capital letters).</source>
        <extracomment>%1 the column&apos;s name, %2 the value.</extracomment>
        <translation>la valeur %2 de la colonne %1 n’est pas un code de devise (trois lettres majuscules).</translation>
    </message>
    <message>
        <source>the %1 %2 is below 0.</source>
        <translation>la valeur %2 de la colonne %1 est inférieure à 0.</translation>
    </message>
    <message>
        <source>the %1 %2 is not below %3.</source>
        <extracomment>%3 the limit, such as 100.</extracomment>
        <translation>la valeur %2 de la colonne %1 n’est pas inférieure à %3.</translation>
    </message>
    <message>
        <source>the %1 %2 is above %3.</source>
        <translation>la valeur %2 de la colonne %1 est supérieure à %3.</translation>
    </message>
    <message>
        <source>the %1 %2 has more than two decimals.</source>
        <translation>la valeur %2 de la colonne %1 a plus de deux décimales.</translation>
    </message>
    <message>
        <source>the %1 %2 is not a number.</source>
        <translation>la valeur %2 de la colonne %1 n’est pas un nombre.</translation>
    </message>
    <message>
        <source>the minimum commission %1 is not an amount from 0 to %2 with at most two decimals.</source>
        <translation>la commission minimale %1 n’est pas un montant de 0 à %2 avec au plus deux décimales.</translation>
    </message>
    <message>
        <source>the first line names no layout of this program&apos;s export: it should read %1 and a number, such as %2.</source>
        <translation>la première ligne ne nomme aucune structure d’export de ce programme&#xa0;: elle devrait contenir %1 et un nombre, par exemple %2.</translation>
    </message>
    <message>
        <source>%1 was exported by a newer version of Tallyvane (layout %2), which this version cannot read. Export the rates again with this version&apos;s layout, or use the newer version.</source>
        <translation>%1 a été exporté par une version plus récente de Tallyvane (structure %2), que cette version ne peut pas lire. Exportez à nouveau les taux dans la structure de cette version, ou utilisez la version plus récente.</translation>
    </message>
    <message>
        <source>expected a setting (its name and its value) or the header of the rates.</source>
        <translation>un paramètre (son nom et sa valeur) ou l’en-tête des taux était attendu.</translation>
    </message>
    <message>
        <source>the setting %1 is not one this program knows.</source>
        <translation>le paramètre %1 n’est pas connu de ce programme.</translation>
    </message>
    <message>
        <source>%1 ends before the header of its rates.</source>
        <translation>%1 se termine avant l’en-tête de ses taux.</translation>
    </message>
</context>
<context>
    <name>RateTerms</name>
    <message>
        <source>Currency &amp;Code:</source>
        <extracomment>The ISO 4217 code of the currency, such as EUR; it may be left empty.</extracomment>
        <translation>Code de &amp;devise&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Buy Margin (%):</source>
        <extracomment>The percent of the value a customer gives up when the bureau buys this currency.</extracomment>
        <translation>&amp;Marge à l’achat (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Se&amp;ll Margin (%):</source>
        <extracomment>The percent of the value a customer gives up when the bureau sells this currency.</extracomment>
        <translation>Marge à la &amp;vente (%)&#xa0;:</translation>
    </message>
    <message>
        <source>S&amp;mallest Note:</source>
        <extracomment>The smallest amount of this currency the till pays out; 0 for any amount.</extracomment>
        <translation>&amp;Plus petit billet&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Receipt</name>
    <message>
        <source>Receipt</source>
        <translation>Reçu</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>DUPLICATA</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De&#xa0;:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>En&#xa0;:</translation>
    </message>
    <message>
        <source>Given:</source>
        <translation>Remis&#xa0;:</translation>
    </message>
    <message>
        <source>We buy at:</source>
        <translation>Nous achetons à&#xa0;:</translation>
    </message>
    <message>
        <source>We sell at:</source>
        <translation>Nous vendons à&#xa0;:</translation>
    </message>
    <message>
        <source>Exchanged:</source>
        <translation>Contre-valeur&#xa0;:</translation>
    </message>
    <message>
        <source>Commission (minimum):</source>
        <translation>Commission (minimum)&#xa0;:</translation>
    </message>
    <message>
        <source>Commission:</source>
        <translation>Commission&#xa0;:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total&#xa0;:</translation>
    </message>
    <message>
        <source>Paid out:</source>
        <translation>Versé&#xa0;:</translation>
    </message>
    <message>
        <source>Paid in pounds:</source>
        <translation>Reste en livres&#xa0;:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Heure&#xa0;:</translation>
    </message>
    <message>
        <source>Till:</source>
        <translation>Caisse&#xa0;:</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Client&#xa0;:</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.</source>
        <translation>Aucune imprimante n’est configurée sur cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>The %1 box is empty.</source>
        <extracomment>%1 the caption of a box in the rate dialogs, without its colon.</extracomment>
        <translation>Le champ «&#xa0;%1&#xa0;» est vide.</translation>
    </message>
    <message>
        <source>The %1 box holds a null character, which cannot be stored.</source>
        <translation>Le champ «&#xa0;%1&#xa0;» contient un caractère nul, qui ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>The %1 box holds %2 characters; it can hold at most %3.</source>
        <extracomment>%1 the box&apos;s caption, %2 how many characters it holds, %3 the most it may hold.</extracomment>
        <translation>Le champ «&#xa0;%1&#xa0;» contient %2 caractères&#xa0;; il ne peut en contenir que %3.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is not a number.</source>
        <extracomment>%1 the value as typed, in quotation marks; %2 the box&apos;s caption. A hint how to write a number follows.</extracomment>
        <translation>%1 dans le champ «&#xa0;%2&#xa0;» n’est pas un nombre.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is too large: the largest rate the table can hold is about %3.</source>
        <extracomment>%3 the limit, a number such as 1.8E+308 in the user&apos;s number form.</extracomment>
        <translation>%1 dans le champ «&#xa0;%2&#xa0;» est trop élevé&#xa0;: le taux le plus élevé que la table puisse contenir est d’environ %3.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is not above 0: a rate must be greater than 0.</source>
        <translation>%1 dans le champ «&#xa0;%2&#xa0;» n’est pas supérieur à 0&#xa0;: un taux doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is too small: the smallest rate the table can hold is about %3.</source>
        <extracomment>%3 the limit, a number such as 2.2E-308 in the user&apos;s number form.</extracomment>
        <translation>%1 dans le champ «&#xa0;%2&#xa0;» est trop faible&#xa0;: le taux le plus faible que la table puisse contenir est d’environ %3.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is not a date: a date is written YYYY-MM-DD.</source>
        <translation>%1 dans le champ «&#xa0;%2&#xa0;» n’est pas une date&#xa0;: une date s’écrit AAAA-MM-JJ.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is not a currency code: a code is three capital letters, or nothing.</source>
        <translation>%1 dans le champ «&#xa0;%2&#xa0;» n’est pas un code de devise&#xa0;: un code se compose de trois lettres majuscules, ou reste vide.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is below 0.</source>
        <translation>%1 dans le champ «&#xa0;%2&#xa0;» est inférieur à 0.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is too large: it must be below %3.</source>
        <extracomment>%3 the limit, such as 100, in the user&apos;s number form.</extracomment>
        <translation>%1 dans le champ «&#xa0;%2&#xa0;» est trop élevé&#xa0;: il doit être inférieur à %3.</translation>
    </message>
    <message>
        <source>%1 in the %2 box is too large: it can be at most %3.</source>
        <extracomment>%3 the limit, such as 1000000000, in the user&apos;s number form.</extracomment>
        <translation>%1 dans le champ «&#xa0;%2&#xa0;» est trop élevé&#xa0;: il peut valoir au plus %3.</translation>
    </message>
    <message>
        <source>%1 in the %2 box has more than two decimals.</source>
        <translation>%1 dans le champ «&#xa0;%2&#xa0;» a plus de deux décimales.</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The database is locked by another program. Try again when it has finished.</source>
        <translation>La base de données est verrouillée par un autre programme. Réessayez lorsqu’il aura terminé.</translation>
    </message>
    <message>
        <source>The database is read-only: changes cannot be saved.</source>
        <translation>La base de données est en lecture seule&#xa0;: les modifications ne peuvent pas être enregistrées.</translation>
    </message>
    <message>
        <source>The disk holding the database is full: changes cannot be saved.</source>
        <translation>Le disque qui contient la base de données est plein&#xa0;: les modifications ne peuvent pas être enregistrées.</translation>
    </message>
    <message>
        <source>The database file could not be read or written (disk error).</source>
        <translation>Le fichier de la base de données n’a pas pu être lu ou écrit (erreur de disque).</translation>
    </message>
    <message>
        <source>The database file is damaged.</source>
        <translation>Le fichier de la base de données est endommagé.</translation>
    </message>
    <message>
        <source>The database file could not be opened.</source>
        <translation>Le fichier de la base de données n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>Access to the database was refused.</source>
        <translation>L’accès à la base de données a été refusé.</translation>
    </message>
    <message>
        <source>There is not enough memory for the database operation.</source>
        <translation>Mémoire insuffisante pour l’opération sur la base de données.</translation>
    </message>
    <message>
        <source>The change breaks a rule of the rates table (%1).</source>
        <translation>La modification enfreint une règle de la table des taux (%1).</translation>
    </message>
    <message>
        <source>The database reported an error: %1.</source>
        <translation>La base de données a signalé une erreur&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Could not find file %1.</source>
        <translation>Fichier %1 introuvable.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a rates database.</source>
        <translation>%1 est un dossier, pas une base de taux.</translation>
    </message>
    <message>
        <source>%1 is not a rates database.</source>
        <translation>%1 n’est pas une base de taux.</translation>
    </message>
    <message>
        <source>%1 is empty: it is not a rates database.</source>
        <translation>%1 est vide&#xa0;: ce n’est pas une base de taux.</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Impossible d’ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not open %1: the encryption could not be set up.</source>
        <translation>Impossible d’ouvrir %1&#xa0;: le chiffrement n’a pas pu être mis en place.</translation>
    </message>
    <message>
        <source>%1 is not a rates database, or it is damaged.</source>
        <translation>%1 n’est pas une base de taux, ou elle est endommagée.</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Utilisation incorrecte de Null</translation>
    </message>
    <message>
        <source>The table &apos;tblExchanges&apos; cannot be used: %1</source>
        <translation>La table «&#xa0;tblExchanges&#xa0;» est inutilisable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>BOF ou EOF a la valeur True, ou l’enregistrement actuel a été supprimé. L’opération demandée nécessite un enregistrement actuel.</translation>
    </message>
    <message>
        <source>The row could not be found for updating; another program may have deleted it.</source>
        <translation>La ligne à mettre à jour est introuvable&#xa0;; un autre programme l’a peut-être supprimée.</translation>
    </message>
    <message>
        <source>The rates database has a layout this version of Tallyvane does not know (%1). It is left as it is.</source>
        <translation>La base des taux a une structure que cette version de Tallyvane ne connaît pas (%1). Elle est laissée telle quelle.</translation>
    </message>
    <message>
        <source>The rates database was made by a newer version of Tallyvane (layout %1; this version knows layouts up to %2). It is left as it is: use the newer version, or a copy of the file made for this one.</source>
        <translation>La base des taux a été créée par une version plus récente de Tallyvane (structure %1&#xa0;; cette version connaît les structures jusqu’à la %2). Elle est laissée telle quelle&#xa0;: utilisez la version plus récente, ou une copie du fichier faite pour celle-ci.</translation>
    </message>
    <message>
        <source>Cannot find the table &apos;tblExchanges&apos; in the database.</source>
        <translation>La table «&#xa0;tblExchanges&#xa0;» est introuvable dans la base de données.</translation>
    </message>
    <message>
        <source>The table &apos;tblExchanges&apos; has no field named &apos;%1&apos;.</source>
        <translation>La table «&#xa0;tblExchanges&#xa0;» n’a pas de champ nommé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Opération non autorisée lorsque l’objet est fermé.</translation>
    </message>
    <message>
        <source>The change would give two rows the same country; each country can appear only once.</source>
        <translation>La modification donnerait le même pays à deux lignes&#xa0;; chaque pays ne peut figurer qu’une fois.</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal.</source>
        <translation>Élément introuvable dans la collection correspondant au nom ou au numéro d’ordre demandé.</translation>
    </message>
    <message>
        <source>The new row has no value for %1.</source>
        <translation>La nouvelle ligne n’a pas de valeur pour «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The country %1 is already in the rates table; each country can appear only once.</source>
        <translation>Le pays %1 figure déjà dans la table des taux&#xa0;; chaque pays ne peut y figurer qu’une fois.</translation>
    </message>
    <message>
        <source>The country %1 is named twice in the rates to write; each country can appear only once.</source>
        <translation>Le pays %1 figure deux fois parmi les taux à enregistrer&#xa0;; chaque pays ne peut figurer qu’une fois.</translation>
    </message>
    <message>
        <source>The country %1 is not in the rates table, so its rate cannot be changed.</source>
        <translation>Le pays %1 ne figure pas dans la table des taux&#xa0;: son taux ne peut donc pas être modifié.</translation>
    </message>
    <message>
        <source>The rates database holds &apos;%1&apos; as the minimum commission, which is not an amount from 0 to %2.</source>
        <translation>La base des taux contient «&#xa0;%1&#xa0;» comme commission minimale, ce qui n’est pas un montant de 0 à %2.</translation>
    </message>
    <message>
        <source>The minimum commission must be an amount from 0 to %1.</source>
        <translation>La commission minimale doit être un montant de 0 à %1.</translation>
    </message>
</context>
<context>
    <name>Territories</name>
    <message>
        <source>Euro area</source>
        <translation>Zone euro</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japon</translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <translation>Bulgarie</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Tchéquie</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Danemark</translation>
    </message>
    <message>
        <source>Britain</source>
        <translation>Grande-Bretagne</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation>Hongrie</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Pologne</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Roumanie</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Suède</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Suisse</translation>
    </message>
    <message>
        <source>Iceland</source>
        <translation>Islande</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norvège</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Croatie</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Russie</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turquie</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australie</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brésil</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Chine</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>Hong Kong</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>Indonésie</translation>
    </message>
    <message>
        <source>Israel</source>
        <translation>Israël</translation>
    </message>
    <message>
        <source>India</source>
        <translation>Inde</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Corée du Sud</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation>Mexique</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malaisie</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nouvelle-Zélande</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>Philippines</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapour</translation>
    </message>
    <message>
        <source>Thailand</source>
        <translation>Thaïlande</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Afrique du Sud</translation>
    </message>
</context>
<context>
    <name>UpdateRates</name>
    <message>
        <source>The rates database is not open, so no rates can be updated.</source>
        <translation>La base des taux n’est pas ouverte&#xa0;: aucun taux ne peut être mis à jour.</translation>
    </message>
    <message>
        <source>Update Rates</source>
        <translation>Mettre à jour les taux</translation>
    </message>
    <message>
        <source>The rates could not be updated.</source>
        <translation>Les taux n’ont pas pu être mis à jour.</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>&apos;%1&apos;</source>
        <extracomment>A value or a file name quoted inside a message: the language&apos;s own quotation marks around %1.</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Denomination</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>Taux de change</translation>
    </message>
    <message>
        <source>Date of the rate</source>
        <extracomment>The day a rate was set, kept with it.</extracomment>
        <translation>Date du taux</translation>
    </message>
    <message>
        <source>Currency Code</source>
        <translation>Code de devise</translation>
    </message>
    <message>
        <source>Buy Margin (%)</source>
        <translation>Marge à l’achat (%)</translation>
    </message>
    <message>
        <source>Sell Margin (%)</source>
        <translation>Marge à la vente (%)</translation>
    </message>
    <message>
        <source>Smallest Note</source>
        <translation>Plus petit billet</translation>
    </message>
</context>
<context>
    <name>calculator::frmDayDeals</name>
    <message>
        <source>Day&apos;s Deals</source>
        <translation>Opérations du jour</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Jour&#xa0;:</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Till</source>
        <translation>Caisse</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>C&amp;urrency:</source>
        <translation>&amp;Devise&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Montant&#xa0;:</translation>
    </message>
    <message>
        <source>Record &amp;Float</source>
        <translation>Saisir le &amp;fonds</translation>
    </message>
    <message>
        <source>Record C&amp;ount</source>
        <translation>Saisir le &amp;comptage</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>Enregistrer en &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV…</translation>
    </message>
    <message>
        <source>The journal could not be read.</source>
        <translation>Impossible de lire le journal.</translation>
    </message>
    <message>
        <source>Nothing was recorded.</source>
        <translation>Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>Choose a currency and type an amount of 0 or more with at most two decimals.</source>
        <translation>Choisissez une devise et saisissez un montant de 0 ou plus, avec au plus deux décimales.</translation>
    </message>
    <message>
        <source>A float or a count is recorded for today only.</source>
        <translation>Un fonds de caisse ou un comptage ne s’enregistre que pour aujourd’hui.</translation>
    </message>
    <message>
        <source>Deals of %1</source>
        <translation>Opérations du %1</translation>
    </message>
    <message>
        <source>The day was not printed.</source>
        <translation>La journée n’a pas été imprimée.</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 existe déjà.</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation>Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Deals %1.pdf</source>
        <translation>Opérations %1.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF was not saved.</source>
        <translation>Le PDF n’a pas été enregistré.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Deals %1.csv</source>
        <translation>Opérations %1.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The CSV file was not saved.</source>
        <translation>Le fichier CSV n’a pas été enregistré.</translation>
    </message>
    <message>
        <source>&amp;Void Deal...</source>
        <translation>A&amp;nnuler l’opération…</translation>
    </message>
    <message>
        <source>Void Deal</source>
        <translation>Annuler l’opération</translation>
    </message>
</context>
<context>
    <name>calculator::frmRecordDeal</name>
    <message>
        <source>Record Deal</source>
        <translation>Enregistrer l’opération</translation>
    </message>
    <message>
        <source>C&amp;ustomer reference (optional):</source>
        <translation>Référence &amp;client (facultatif)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Enregistrer</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tallyvane</source>
        <translation>À propos de Tallyvane</translation>
    </message>
    <message>
        <source>Tallyvane logo</source>
        <translation>Logo de Tallyvane</translation>
    </message>
    <message>
        <source>Tallyvane is freeware. Please send your comments and suggestions to</source>
        <translation>Tallyvane est un logiciel gratuit. Merci d’envoyer vos remarques et suggestions&#xa0;à</translation>
    </message>
    <message>
        <source>Write to Fernwick Software</source>
        <translation>Écrire à Fernwick Software</translation>
    </message>
    <message>
        <source>Writes an e-mail to Fernwick Software</source>
        <translation>Ouvre un nouveau courriel à Fernwick Software</translation>
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
        <translation>Ajouter un taux de change</translation>
    </message>
    <message>
        <source>To add anew exchange rate, simply fill in the fields below and press the &apos;Save&apos; button.</source>
        <translation>Pour ajouter un nouveau taux de change, remplissez les champs ci-dessous, puis appuyez sur le bouton «&#xa0;Enregistrer&#xa0;».</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Pays&#xa0;:</translation>
    </message>
    <message>
        <source>Denomination:</source>
        <translation>Devise&#xa0;:</translation>
    </message>
    <message>
        <source>Exchange Rate:</source>
        <translation>Taux de change&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>Saves the new country and its rate.</extracomment>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Finished</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 existe déjà.</translation>
    </message>
    <message>
        <source>The New Exchange Rate has been saved successfuly</source>
        <translation>Le nouveau taux de change a bien été enregistré.</translation>
    </message>
    <message>
        <source>The new rate you typed has not been saved. Do you want to save it before closing?</source>
        <translation>Le nouveau taux saisi n’a pas été enregistré. Voulez-vous l’enregistrer avant de fermer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>frmBoard</name>
    <message>
        <source>Rate Board</source>
        <translation>Tableau des taux</translation>
    </message>
    <message>
        <source>Exchange rates</source>
        <translation>Taux de change</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>We buy</source>
        <translation>Nous achetons</translation>
    </message>
    <message>
        <source>We sell</source>
        <translation>Nous vendons</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>The rate board could not read the rates.</source>
        <translation>Le tableau des taux n’a pas pu lire les taux.</translation>
    </message>
    <message>
        <source>The rate board was not printed.</source>
        <translation>Le tableau des taux n’a pas été imprimé.</translation>
    </message>
</context>
<context>
    <name>frmDelete</name>
    <message>
        <source>Delete Exchange Rates</source>
        <translation>Supprimer des taux de change</translation>
    </message>
    <message>
        <source>Select the country you wish to delete and then press the delete button.</source>
        <translation>Sélectionnez le pays à supprimer, puis appuyez sur le bouton «&#xa0;Supprimer&#xa0;».</translation>
    </message>
    <message>
        <source>Countries</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Pays&#xa0;:</translation>
    </message>
    <message>
        <source>Denomination:</source>
        <translation>Devise&#xa0;:</translation>
    </message>
    <message>
        <source>Exchange Rate:</source>
        <translation>Taux de change&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Finished</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <extracomment>The button that saves the changed rate (Edit Rates) or deletes it (Delete Rates).</extracomment>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>The list of countries could not be read.</source>
        <translation>Impossible de lire la liste des pays.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Voulez-vous vraiment supprimer %1&#xa0;?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the rates table, so nothing was deleted.</source>
        <translation>«&#xa0;%1&#xa0;» ne figure pas dans la table des taux&#xa0;: rien n’a été supprimé.</translation>
    </message>
    <message>
        <source>Choose the country to change from the list first. Nothing was saved.</source>
        <translation>Choisissez d’abord dans la liste le pays à modifier. Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>%1 already exists.</source>
        <translation>%1 existe déjà.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer in the rates table, so nothing was saved.</source>
        <translation>«&#xa0;%1&#xa0;» ne figure plus dans la table des taux&#xa0;: rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>Edit Exchange Rates</source>
        <translation>Modifier des taux de change</translation>
    </message>
    <message>
        <source>Select the country you wish to edit, change its details and then click Save.</source>
        <translation>Sélectionnez le pays à modifier, changez ses données, puis cliquez sur «&#xa0;Enregistrer&#xa0;».</translation>
    </message>
</context>
<context>
    <name>frmHUD</name>
    <message>
        <source>Convert From:</source>
        <translation>Convertir de&#xa0;:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Pays&#xa0;:</translation>
    </message>
    <message>
        <source>Convert From: country</source>
        <translation>Convertir de&#xa0;: pays</translation>
    </message>
    <message>
        <source>Denomination:</source>
        <translation>Devise&#xa0;:</translation>
    </message>
    <message>
        <source>Convert From: denomination</source>
        <translation>Convertir de&#xa0;: devise</translation>
    </message>
    <message>
        <source>Exchange Rate:</source>
        <translation>Taux de change&#xa0;:</translation>
    </message>
    <message>
        <source>Convert From: exchange rate</source>
        <translation>Convertir de&#xa0;: taux de change</translation>
    </message>
    <message>
        <source>Convert To:</source>
        <translation>Convertir en&#xa0;:</translation>
    </message>
    <message>
        <source>Convert To: country</source>
        <translation>Convertir en&#xa0;: pays</translation>
    </message>
    <message>
        <source>Convert To: denomination</source>
        <translation>Convertir en&#xa0;: devise</translation>
    </message>
    <message>
        <source>Convert To: exchange rate</source>
        <translation>Convertir en&#xa0;: taux de change</translation>
    </message>
    <message>
        <source>Currency:</source>
        <extracomment>The group of the amount to convert and the commission.</extracomment>
        <translation>Opération&#xa0;:</translation>
    </message>
    <message>
        <source>Convert:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <source>Amount to convert</source>
        <translation>Montant à convertir</translation>
    </message>
    <message>
        <source>Commission:</source>
        <translation>Commission&#xa0;:</translation>
    </message>
    <message>
        <source>Commission percentage</source>
        <translation>Commission en pourcentage</translation>
    </message>
    <message>
        <source>Totals:</source>
        <translation>Totaux&#xa0;:</translation>
    </message>
    <message>
        <source>Exchange:</source>
        <translation>Contre-valeur&#xa0;:</translation>
    </message>
    <message>
        <source>Exchange</source>
        <extracomment>The exchanged amount, before the commission is taken off.</extracomment>
        <translation>Contre-valeur</translation>
    </message>
    <message>
        <source>Commission</source>
        <translation>Commission</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total&#xa0;:</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>What remains once the commission is taken off.</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>The window&apos;s access keys (its labels, buttons and the menu bar&apos;s titles) must all differ.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Exchange &amp;Rates</source>
        <translation>&amp;Taux de change</translation>
    </message>
    <message>
        <source>&amp;Add Rates</source>
        <translation>&amp;Ajouter des taux</translation>
    </message>
    <message>
        <source>&amp;Edit Rates</source>
        <translation>&amp;Modifier les taux</translation>
    </message>
    <message>
        <source>&amp;Delete Rates</source>
        <translation>&amp;Supprimer des taux</translation>
    </message>
    <message>
        <source>&amp;Import Rates...</source>
        <translation>&amp;Importer des taux…</translation>
    </message>
    <message>
        <source>Ex&amp;port Rates...</source>
        <translation>&amp;Exporter les taux…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About Tallyvane</source>
        <translation>À &amp;propos de Tallyvane</translation>
    </message>
    <message>
        <source>&amp;Visit Fernwick</source>
        <extracomment>Opens the maker&apos;s web site; Fernwick is the maker&apos;s name.</extracomment>
        <translation>Site de &amp;Fernwick</translation>
    </message>
    <message>
        <source>Visit &amp;Community</source>
        <translation>Site de la &amp;communauté</translation>
    </message>
    <message>
        <source>&amp;E-Mail</source>
        <translation>&amp;Envoyer un courriel</translation>
    </message>
    <message>
        <source>&amp;Inland Revenue (UK)</source>
        <extracomment>Opens the UK tax authority&apos;s page of exchange rates.</extracomment>
        <translation>&amp;Fisc britannique</translation>
    </message>
    <message>
        <source>Rate of %1</source>
        <extracomment>The tooltip of a rate box: the day the rate was set.</extracomment>
        <translation>Taux du %1</translation>
    </message>
    <message>
        <source>Paid out:</source>
        <extracomment>The part of the total the till pays in notes of the currency.</extracomment>
        <translation>Versé&#xa0;:</translation>
    </message>
    <message>
        <source>Paid out</source>
        <translation>Versé</translation>
    </message>
    <message>
        <source>Paid in pounds:</source>
        <extracomment>The rest of the total, smaller than the smallest note, paid in pounds.</extracomment>
        <translation>Reste en livres&#xa0;:</translation>
    </message>
    <message>
        <source>Paid in pounds</source>
        <translation>Reste en livres</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <extracomment>Opens the till&apos;s settings, such as the minimum commission.</extracomment>
        <translation>&amp;Paramètres…</translation>
    </message>
    <message>
        <source>We buy at %1</source>
        <extracomment>Under the Convert From rate box: the rate at which the bureau buys that currency, its margin taken.</extracomment>
        <translation>Nous achetons à %1</translation>
    </message>
    <message>
        <source>We sell at %1</source>
        <extracomment>Under the Convert To rate box: the rate at which the bureau sells that currency.</extracomment>
        <translation>Nous vendons à %1</translation>
    </message>
    <message>
        <source>The minimum commission could not be read.</source>
        <translation>Impossible de lire la commission minimale.</translation>
    </message>
    <message>
        <source>Commission (minimum):</source>
        <translation>Commission (minimum)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Update Rates...</source>
        <translation>Mettre à &amp;jour les taux…</translation>
    </message>
    <message>
        <source>Rate &amp;Board</source>
        <translation>&amp;Tableau des taux</translation>
    </message>
    <message>
        <source>The journal command failed.</source>
        <translation>La commande du journal a échoué.</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>&amp;Record Deal</source>
        <translation>E&amp;nregistrer l’opération</translation>
    </message>
    <message>
        <source>Repri&amp;nt Receipt...</source>
        <translation>&amp;Réimprimer le reçu…</translation>
    </message>
    <message>
        <source>&amp;Void Last Deal...</source>
        <translation>Annuler la &amp;dernière opération…</translation>
    </message>
    <message>
        <source>Da&amp;y&apos;s Deals...</source>
        <translation>&amp;Opérations du jour…</translation>
    </message>
    <message>
        <source>Check &amp;Journal</source>
        <translation>&amp;Vérifier le journal</translation>
    </message>
</context>
<context>
    <name>frmImportRates</name>
    <message>
        <source>Rates to Import</source>
        <translation>Taux à importer</translation>
    </message>
    <message>
        <source>Tick the rates to import. New countries are not ticked. A change of more than 25 % is marked with a warning sign: look twice.</source>
        <translation>Cochez les taux à importer. Les nouveaux pays ne sont pas cochés. Une variation de plus de 25&#xa0;% est signalée par un symbole d’avertissement&#xa0;: vérifiez-la bien.</translation>
    </message>
    <message>
        <source>Proposed changes</source>
        <translation>Modifications proposées</translation>
    </message>
    <message>
        <source>&amp;Tick all</source>
        <translation>&amp;Tout cocher</translation>
    </message>
    <message>
        <source>Tick all</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>&amp;Untick all</source>
        <translation>Tout &amp;décocher</translation>
    </message>
    <message>
        <source>Untick all</source>
        <translation>Tout décocher</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>In the Change column: a country the table does not have yet.</extracomment>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>In the Matched by column: the file&apos;s row has the table&apos;s country name.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Currency %1 (%2)</source>
        <extracomment>In the Matched by column: %1 a currency code, %2 the file&apos;s country of that currency.</extracomment>
        <translation>Devise %1 (%2)</translation>
    </message>
    <message>
        <source>Same country (%1)</source>
        <extracomment>In the Matched by column: %1 the file&apos;s name for the table&apos;s country.</extracomment>
        <translation>Même pays (%1)</translation>
    </message>
    <message>
        <source>New country</source>
        <translation>Nouveau pays</translation>
    </message>
    <message>
        <source>File: %1, %2</source>
        <extracomment>%1 the file&apos;s name, %2 its kind.</extracomment>
        <translation>Fichier&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>Rates as of the date given on each row</source>
        <extracomment>%1 a day or a period of days.</extracomment>
        <translation>Taux à la date indiquée sur chaque ligne</translation>
    </message>
    <message>
        <source>Rates of %1</source>
        <translation>Taux du %1</translation>
    </message>
    <message>
        <source>Left out:</source>
        <extracomment>Above the rows of the file that were not taken, one a line.</extracomment>
        <translation>Lignes ignorées&#xa0;:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Unit</source>
        <extracomment>Column header: the currency&apos;s name.</extracomment>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Current rate</source>
        <translation>Taux actuel</translation>
    </message>
    <message>
        <source>Rate of</source>
        <extracomment>Column header: the day the current rate was set.</extracomment>
        <translation>Date du taux</translation>
    </message>
    <message>
        <source>New rate</source>
        <translation>Nouveau taux</translation>
    </message>
    <message>
        <source>New rate of</source>
        <extracomment>Column header: the day the new rate is of.</extracomment>
        <translation>Date du nouveau taux</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Column header: the change from the current rate to the new one, in percent.</extracomment>
        <translation>Variation</translation>
    </message>
    <message>
        <source>Matched by</source>
        <extracomment>Column header: how the file&apos;s row was found for the table&apos;s country.</extracomment>
        <translation>Reconnu par</translation>
    </message>
    <message>
        <source>Changes by more than 25 %: look twice.</source>
        <translation>Variation de plus de 25&#xa0;%&#xa0;: vérifiez bien.</translation>
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
            <numerusform>%n sur %1 coché</numerusform>
            <numerusform>%n sur %1 cochés</numerusform>
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
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The settings could not be read.</source>
        <translation>Impossible de lire les paramètres.</translation>
    </message>
    <message>
        <source>&amp;Commission</source>
        <extracomment>A tab of the Settings dialog: what a deal costs beyond the rates.</extracomment>
        <translation>&amp;Commission</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Rates</source>
        <extracomment>A tab of the Settings dialog: when rates are old, and where they come from.</extracomment>
        <translation>&amp;Taux</translation>
    </message>
    <message>
        <source>Recei&amp;pts</source>
        <translation>&amp;Reçus</translation>
    </message>
</context>
<context>
    <name>frmUpdateRates</name>
    <message>
        <source>HMRC&apos;s monthly rates for</source>
        <translation>Taux mensuels HMRC pour</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>The European Central Bank&apos;s daily reference rates</source>
        <translation>Taux de référence quotidiens de la BCE</translation>
    </message>
    <message>
        <source>&amp;Fetch</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <source>Fetching %1 ...</source>
        <extracomment>%1 is the address being fetched.</extracomment>
        <translation>Récupération de %1…</translation>
    </message>
    <message>
        <source>Do you want the rates for %1 instead?</source>
        <extracomment>%1 is a month and its year.</extracomment>
        <translation>Voulez-vous plutôt les taux de %1&#xa0;?</translation>
    </message>
</context>
<context>
    <name>maintenance::CommissionPage</name>
    <message>
        <source>Minimum commission (£):</source>
        <translation>Commission minimale (£)&#xa0;:</translation>
    </message>
    <message>
        <source>A deal&apos;s commission is never less than this amount, converted into the currency paid out. 0 sets no minimum.</source>
        <translation>La commission d’une opération n’est jamais inférieure à ce montant, converti dans la devise versée. 0&#xa0;: aucun minimum.</translation>
    </message>
</context>
<context>
    <name>maintenance::RateSourceSettings</name>
    <message>
        <source>Never</source>
        <extracomment>Shown for 0 days: rates never count as old.</extracomment>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Rates are old after (days):</source>
        <translation>Taux périmés après (jours)&#xa0;:</translation>
    </message>
    <message>
        <source>Refuse to record a deal on an old rate</source>
        <translation>Refuser une opération à un taux périmé</translation>
    </message>
    <message>
        <source>HMRC monthly rates ({year}, {month}):</source>
        <extracomment>{year} and {month} stand for the year and the month&apos;s number; keep them as they are.</extracomment>
        <translation>Taux mensuels HMRC ({year}, {month})&#xa0;:</translation>
    </message>
    <message>
        <source>ECB daily rates:</source>
        <translation>Taux quotidiens BCE&#xa0;:</translation>
    </message>
    <message>
        <source>Head office</source>
        <translation>Siège</translation>
    </message>
    <message>
        <source>Address (https):</source>
        <translation>Adresse (https)&#xa0;:</translation>
    </message>
    <message>
        <source>Public key:</source>
        <translation>Clé publique&#xa0;:</translation>
    </message>
    <message>
        <source>Fetch every (minutes):</source>
        <translation>Intervalle (minutes)&#xa0;:</translation>
    </message>
    <message>
        <source>Set for this machine in %1; only its administrator can change it.</source>
        <translation>Défini pour cette machine dans %1&#xa0;; seul son administrateur peut le modifier.</translation>
    </message>
    <message>
        <source>Leave the address empty unless this till takes its rates from head office. A change takes effect when Tallyvane next starts.</source>
        <translation>Laissez l’adresse vide sauf si cette caisse reçoit ses taux du siège. Une modification prend effet au prochain démarrage de Tallyvane.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Impossible d’enregistrer les paramètres.</translation>
    </message>
    <message>
        <source>The address %1 is not an https address. Nothing was saved.</source>
        <extracomment>%1 is the address typed.</extracomment>
        <translation>L’adresse %1 n’est pas une adresse https. Rien n’a été enregistré.</translation>
    </message>
</context>
<context>
    <name>maintenance::ReceiptSettings</name>
    <message>
        <source>Till name:</source>
        <translation>Nom de la caisse&#xa0;:</translation>
    </message>
    <message>
        <source>Shop name:</source>
        <translation>Nom de l’agence&#xa0;:</translation>
    </message>
    <message>
        <source>Shop address:</source>
        <translation>Adresse de l’agence&#xa0;:</translation>
    </message>
    <message>
        <source>Nowhere</source>
        <translation>Nulle part</translation>
    </message>
    <message>
        <source>The printer</source>
        <translation>L’imprimante</translation>
    </message>
    <message>
        <source>A folder of PDF files</source>
        <translation>Un dossier de fichiers PDF</translation>
    </message>
    <message>
        <source>Receipts go to:</source>
        <translation>Destination des reçus&#xa0;:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Receipt folder:</source>
        <translation>Dossier des reçus&#xa0;:</translation>
    </message>
    <message>
        <source>80 mm roll</source>
        <translation>Rouleau de 80&#xa0;mm</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>Feuille A4</translation>
    </message>
    <message>
        <source>Receipt layout:</source>
        <translation>Format des reçus&#xa0;:</translation>
    </message>
    <message>
        <source>Choose the folder where receipts are saved.</source>
        <translation>Choisissez le dossier où les reçus sont enregistrés.</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>Impossible d’écrire le fichier des paramètres.</translation>
    </message>
    <message>
        <source>Receipt Folder</source>
        <translation>Dossier des reçus</translation>
    </message>
</context>
</TS>
