<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ConnectActions</name>
    <message>
        <source>Could not find associated Browser</source>
        <translation>Kein zugeordneter Browser gefunden</translation>
    </message>
    <message>
        <source>ModemTally : Browser Not Found</source>
        <translation>ModemTally : Browser nicht gefunden</translation>
    </message>
    <message>
        <source>Web Page not Opened</source>
        <translation>Webseite nicht geöffnet</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Ungültige Adresse</translation>
    </message>
</context>
<context>
    <name>DialFlows</name>
    <message>
        <source>Incorrect Password! Try Again.</source>
        <translation>Falsches Kennwort! Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Authentication Failed!</source>
        <translation>Anmeldung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>ModemTally has detected an empty field for the Username entry. Even if your dialup server do not handle auto-negotiation, there must still be an entry for the Username. You may enter any values for the username under the Connect tab in the Configuration Console.</source>
        <translation>ModemTally hat ein leeres Feld für den Benutzernamen festgestellt. Auch wenn Ihr Einwahlserver keine automatische Aushandlung unterstützt, muss ein Benutzername eingetragen sein. Sie können auf der Registerkarte „Verbindung“ der Konfigurationskonsole einen beliebigen Benutzernamen eingeben.</translation>
    </message>
</context>
<context>
    <name>Enumeration</name>
    <message>
        <source>Hanged up on %1</source>
        <translation>Aufgelegt: %1</translation>
    </message>
    <message>
        <source>ModemTally has detected an active conection called %1. Time elapsed will not be accurate.</source>
        <translation>ModemTally hat eine aktive Verbindung namens %1 erkannt. Die angezeigte Verbindungsdauer wird nicht genau sein.</translation>
    </message>
    <message>
        <source>Active Connection Detected!</source>
        <translation>Aktive Verbindung erkannt!</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Verbunden mit %1</translation>
    </message>
</context>
<context>
    <name>HangUp</name>
    <message>
        <source>Hang up on %1</source>
        <translation>Aufgelegt: %1</translation>
    </message>
    <message>
        <source>ModemTally has detected that a connection is still active. Do you wish to terminate this connection?</source>
        <translation>ModemTally hat festgestellt, dass noch eine Verbindung besteht. Möchten Sie diese Verbindung trennen?</translation>
    </message>
    <message>
        <source>Exiting ModemTally</source>
        <translation>ModemTally beenden</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>HistoryWindowLoader</name>
    <message>
        <source>the History window&apos;s module %1 is not installed (looked in %2)</source>
        <translation>das Modul %1 des Nutzungsverlaufs ist nicht installiert (gesucht in %2)</translation>
    </message>
    <message>
        <source>%1 is not the History window&apos;s module</source>
        <translation>%1 ist nicht das Modul des Nutzungsverlaufs</translation>
    </message>
</context>
<context>
    <name>Limits</name>
    <message>
        <source>Connection time exceeded the time limit of %1 hours and %2 minutes!</source>
        <translation>Die Verbindungsdauer hat das Zeitlimit von %1 Stunden und %2 Minuten überschritten!</translation>
    </message>
    <message>
        <source>Connection time exceeded the monthly time limite of %1 hours and %2 minutes!</source>
        <translation>Die Verbindungsdauer hat das monatliche Zeitlimit von %1 Stunden und %2 Minuten überschritten!</translation>
    </message>
    <message>
        <source>Connection cost exceeded the limit of $ %1.</source>
        <translation>Die Verbindungskosten haben das Limit von $ %1 überschritten.</translation>
    </message>
    <message>
        <source>Connection cost exceeded the monthly limit of $ %1.</source>
        <translation>Die Verbindungskosten haben das monatliche Limit von $ %1 überschritten.</translation>
    </message>
    <message>
        <source>Connection time exceeded the free allocated time!</source>
        <translation>Die Verbindungsdauer hat die freie Verbindungszeit überschritten!</translation>
    </message>
</context>
<context>
    <name>MonthFile</name>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>it is %1 MB, more than a monthly record of %2 MB can be</source>
        <translation>sie ist %1 MB groß, mehr als ein Monatsprotokoll von %2 MB sein kann</translation>
    </message>
    <message>
        <source>it grew past %1 MB while it was read</source>
        <translation>sie wuchs beim Lesen über %1 MB</translation>
    </message>
</context>
<context>
    <name>NumericField</name>
    <message>
        <source>Please enter numeric values i.e. 0-9</source>
        <translation>Bitte geben Sie Ziffern ein, also 0-9</translation>
    </message>
    <message>
        <source>Invalid fields</source>
        <translation>Ungültige Felder</translation>
    </message>
</context>
<context>
    <name>PlanBook</name>
    <message>
        <source>data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Plan Allowance Warning</source>
        <translation>Warnung zum Tarifkontingent</translation>
    </message>
    <message>
        <source>%1 has used %2% of this cycle&apos;s %3 allowance: %4 of %5. The cycle ends on %6.</source>
        <translation>%1 hat %2 % des %3-Kontingents dieses Abrechnungszeitraums verbraucht: %4 von %5. Der Zeitraum endet am %6.</translation>
    </message>
    <message>
        <source> Each megabyte more costs %1.</source>
        <translation> Jedes weitere Megabyte kostet %1.</translation>
    </message>
    <message>
        <source>At this pace %1 will use up this cycle&apos;s %2 allowance (%3) on %4, before the cycle ends on %5: %6 by then.</source>
        <translation>Bei diesem Tempo verbraucht %1 das %2-Kontingent dieses Abrechnungszeitraums (%3) am %4, vor dessen Ende am %5: bis dahin %6.</translation>
    </message>
</context>
<context>
    <name>ProfileSync</name>
    <message>
        <source>Updating ModemTally</source>
        <translation>ModemTally wird aktualisiert</translation>
    </message>
    <message>
        <source>ModemTally has detected that you have deleted away some connection profiles. You are required to update the config</source>
        <translation>ModemTally hat festgestellt, dass Sie Verbindungsprofile gelöscht haben. Bitte aktualisieren Sie die Konfiguration</translation>
    </message>
    <message>
        <source>ModemTally has detected that you have created new DUN profile. You need to provide ModemTally with the new name of your connection profiles.</source>
        <translation>ModemTally hat festgestellt, dass Sie ein neues DFÜ-Profil angelegt haben. Bitte teilen Sie ModemTally den neuen Namen Ihrer Verbindungsprofile mit.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>          Welcome to ModemTally!</source>
        <translation>          Willkommen bei ModemTally!</translation>
    </message>
    <message>
        <source>The Best Dialup Networking Companion!</source>
        <translation>Der beste Begleiter für Ihre DFÜ-Verbindungen!</translation>
    </message>
    <message>
        <source>ModemTally has determined that this is your first time running this program. You would want to configure the settings in ModemTally first. Click the OK button to continue.</source>
        <translation>ModemTally hat festgestellt, dass Sie dieses Programm zum ersten Mal starten. Bitte nehmen Sie zuerst die Einstellungen in ModemTally vor. Klicken Sie auf OK, um fortzufahren.</translation>
    </message>
    <message>
        <source>Welcome to ModemTally</source>
        <translation>Willkommen bei ModemTally</translation>
    </message>
    <message>
        <source>Connect to %1</source>
        <translation>Mit %1 verbinden</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>The reminder could not be switched off: &quot;%1&quot; could not be written (%2). You will be asked again next time.</source>
        <translation>Die Erinnerung konnte nicht abgeschaltet werden: „%1“ konnte nicht geschrieben werden (%2). Sie werden beim nächsten Mal erneut gefragt.</translation>
    </message>
    <message>
        <source>Deleting profile : %1</source>
        <translation>Profil wird gelöscht : %1</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>SessionTimer</name>
    <message>
        <source>Monthly Record</source>
        <translation>Monatsprotokoll</translation>
    </message>
    <message>
        <source>ModemTally could not read the monthly record &quot;%1&quot; (%2). The time of this connection will not be recorded in it.</source>
        <translation>ModemTally konnte das Monatsprotokoll „%1“ nicht lesen (%2). Die Dauer dieser Verbindung wird darin nicht festgehalten.</translation>
    </message>
    <message>
        <source>Elapsed Time - %1</source>
        <translation>Verstrichene Zeit - %1</translation>
    </message>
    <message>
        <source>%1 terminated!</source>
        <translation>%1 getrennt!</translation>
    </message>
    <message>
        <source>ModemTally could not write the monthly record &quot;%1&quot; (%2). This connection&apos;s %3 seconds were not recorded.</source>
        <translation>ModemTally konnte das Monatsprotokoll „%1“ nicht schreiben (%2). Die %3 Sekunden dieser Verbindung wurden nicht festgehalten.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The settings file &quot;%1&quot; could not be read (%2). ModemTally is using its default settings.</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht gelesen werden (%2). ModemTally verwendet seine Standardeinstellungen.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged. The settings that could be read are in use; all others have their default values.</source>
        <translation>Die Einstellungsdatei „%1“ ist beschädigt. Die lesbaren Einstellungen werden verwendet, alle anderen haben ihre Standardwerte.</translation>
    </message>
    <message>
        <source> A copy of the damaged file was kept as &quot;%1&quot;.</source>
        <translation> Eine Kopie der beschädigten Datei wurde als „%1“ aufbewahrt.</translation>
    </message>
    <message>
        <source> The damaged file could not be copied aside (%1).</source>
        <translation> Die beschädigte Datei konnte nicht beiseitegelegt werden (%1).</translation>
    </message>
    <message>
        <source> It was moved aside as &quot;%1&quot;.</source>
        <translation> Sie wurde als „%1“ beiseitegelegt.</translation>
    </message>
    <message>
        <source> It could not be moved aside (%1).</source>
        <translation> Sie konnte nicht beiseitegelegt werden (%1).</translation>
    </message>
    <message>
        <source>Other users can add, replace or remove files in ModemTally&apos;s data folder &quot;%1&quot;. Make it writable by you only, for example with: chmod go-w &quot;%1&quot;</source>
        <translation>Andere Benutzer können im Datenordner von ModemTally „%1“ Dateien hinzufügen, ersetzen oder entfernen. Machen Sie ihn nur für sich selbst beschreibbar, zum Beispiel mit: chmod go-w &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>StatusHandling</name>
    <message>
        <source>Connection fails... </source>
        <translation>Verbindung fehlgeschlagen... </translation>
    </message>
    <message>
        <source>Redialing till connected</source>
        <translation>Wahlwiederholung bis zur Verbindung</translation>
    </message>
    <message>
        <source>Redialing for %1 times</source>
        <translation>Wahlwiederholung bis zu %1 Mal</translation>
    </message>
    <message>
        <source>Username/Password Authentication...</source>
        <translation>Anmeldung mit Benutzername/Kennwort...</translation>
    </message>
    <message>
        <source>Connection Failed!</source>
        <translation>Verbindung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Connection Status</source>
        <translation>Verbindungsstatus</translation>
    </message>
    <message>
        <source>Redial limit of %1 times reached</source>
        <translation>Grenze von %1 Wahlwiederholungen erreicht</translation>
    </message>
    <message>
        <source>Redial attempts terminated</source>
        <translation>Wahlwiederholung abgebrochen</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <source>The History window cannot be opened: %1.</source>
        <translation>Das Fenster „Nutzungsverlauf“ kann nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>Usage History</source>
        <translation>Nutzungsverlauf</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>&amp;System Info</source>
        <translation>&amp;Systeminfo</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Über </translation>
    </message>
    <message>
        <source>Version : </source>
        <translation>Version : </translation>
    </message>
    <message>
        <source>Release Date : </source>
        <translation>Veröffentlicht am : </translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>frmCloseConfig</name>
    <message>
        <source>Closing Configuration Console</source>
        <translation>Konfigurationskonsole schließen</translation>
    </message>
    <message>
        <source>All configurations set would not be saved after the last saved operation. If you do wish to save all the changes made, click on the &quot;Save Configuration&quot; button in the ModemTally Configuration Console. Do you wish to continue?</source>
        <translation>Alle Einstellungen seit dem letzten Speichern gehen verloren. Wenn Sie die Änderungen speichern möchten, klicken Sie in der ModemTally-Konfigurationskonsole auf „Konfiguration speichern“. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Remove this reminder</source>
        <translation>Diese Erinnerung entfernen</translation>
    </message>
    <message>
        <source>Check this box if you do not want future reminders</source>
        <translation>Kreuzen Sie dies an, wenn Sie künftig nicht mehr erinnert werden möchten</translation>
    </message>
    <message>
        <source>Yes. No changes would be saved</source>
        <translation>Ja. Keine Änderungen speichern</translation>
    </message>
    <message>
        <source>No. Go back to the configuration window</source>
        <translation>Nein. Zurück zum Konfigurationsfenster</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>Next: </source>
        <translation>Weiter: </translation>
    </message>
    <message>
        <source>Back: </source>
        <translation>Zurück: </translation>
    </message>
    <message>
        <source>ModemTally Configuration Console</source>
        <translation>ModemTally-Konfigurationskonsole</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Save configurations</source>
        <translation>Konfiguration &amp;speichern</translation>
    </message>
    <message>
        <source>Save all the configurations i.e.Connection,Cost,Warnings and Options</source>
        <translation>Alle Einstellungen speichern, also Verbindung, Kosten, Warnungen und Optionen</translation>
    </message>
    <message>
        <source>Cl&amp;ose Configurations</source>
        <translation>Konfiguration schl&amp;ießen</translation>
    </message>
    <message>
        <source>Close configuration window without saving</source>
        <translation>Konfigurationsfenster schließen, ohne zu speichern</translation>
    </message>
    <message>
        <source>Connection Profiles</source>
        <translation>Verbindungsprofile</translation>
    </message>
    <message>
        <source>List of Dialup Networking profiles.</source>
        <translation>Liste der DFÜ-Verbindungsprofile.</translation>
    </message>
    <message>
        <source>Connection profiles</source>
        <translation>Verbindungsprofile</translation>
    </message>
    <message>
        <source>Default Connection Profile :</source>
        <translation>Standardprofil :</translation>
    </message>
    <message>
        <source>Current Default Connection Profile</source>
        <translation>Aktuelles Standard-Verbindungsprofil</translation>
    </message>
    <message>
        <source>Username :</source>
        <translation>Benutzername :</translation>
    </message>
    <message>
        <source>Username to identify yourself with the remote dialup server</source>
        <translation>Benutzername, mit dem Sie sich beim Einwahlserver anmelden</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Kennwort :</translation>
    </message>
    <message>
        <source>Password for authentication with your remote dialup server</source>
        <translation>Kennwort für die Anmeldung beim Einwahlserver</translation>
    </message>
    <message>
        <source>Domain    :</source>
        <translation>Domäne    :</translation>
    </message>
    <message>
        <source>The domain of your dialup server. Can be ignored.</source>
        <translation>Die Domäne Ihres Einwahlservers. Kann leer bleiben.</translation>
    </message>
    <message>
        <source>&amp;Edit Profile</source>
        <translation>Profil &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Edit the Selected Profile</source>
        <translation>Das ausgewählte Profil bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Dial selected...</source>
        <translation>Auswahl &amp;wählen...</translation>
    </message>
    <message>
        <source>Dial the selected connection profile</source>
        <translation>Das ausgewählte Verbindungsprofil wählen</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>Edit your connection profile properties</source>
        <translation>Die Eigenschaften Ihres Verbindungsprofils bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Make Default </source>
        <translation>Als Standard fest&amp;legen </translation>
    </message>
    <message>
        <source>Make the selected profile the default connection</source>
        <translation>Das ausgewählte Profil zur Standardverbindung machen</translation>
    </message>
    <message>
        <source>Set De&amp;fault to None</source>
        <translation>Kein Stan&amp;dardprofil</translation>
    </message>
    <message>
        <source>Set Default Connection to None</source>
        <translation>Keine Standardverbindung festlegen</translation>
    </message>
    <message>
        <source>&amp;New Connection</source>
        <translation>&amp;Neue Verbindung</translation>
    </message>
    <message>
        <source>Create a new DialUp Networking Connection Profile</source>
        <translation>Ein neues DFÜ-Verbindungsprofil anlegen</translation>
    </message>
    <message>
        <source>Do you wish to dial the default connection profile each time you connect with ModemTally ?</source>
        <translation>Möchten Sie bei jedem Verbinden mit ModemTally das Standard-Verbindungsprofil wählen?</translation>
    </message>
    <message>
        <source>(Recommended)</source>
        <translation>(empfohlen)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>ModemTally will dial your stated Default Connection each time you connect</source>
        <translation>ModemTally wählt bei jedem Verbinden Ihre angegebene Standardverbindung</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>If no, then you will choose the connection profile at each connection</source>
        <translation>Bei Nein wählen Sie das Verbindungsprofil bei jeder Verbindung selbst aus</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>The Password would be the same as the default connection password</source>
        <translation>Das Kennwort ist dasselbe wie das Kennwort der Standardverbindung</translation>
    </message>
    <message>
        <source>Prompt for password at each default connection?</source>
        <translation>Bei jeder Standardverbindung nach dem Kennwort fragen?</translation>
    </message>
    <message>
        <source>You would be prompted to enter the password which is the same as the default connection password.</source>
        <translation>Sie werden nach dem Kennwort gefragt; es ist dasselbe wie das Kennwort der Standardverbindung.</translation>
    </message>
    <message>
        <source>ModemTally would not prompt you for any password.</source>
        <translation>ModemTally fragt nicht nach einem Kennwort.</translation>
    </message>
    <message>
        <source>Unlimited Connection Time</source>
        <translation>Unbegrenzte Verbindungszeit</translation>
    </message>
    <message>
        <source>Check this box if you are not charged for internet access by time.</source>
        <translation>Kreuzen Sie dies an, wenn Ihnen der Internetzugang nicht nach Zeit berechnet wird.</translation>
    </message>
    <message>
        <source>Variable Connection Cost</source>
        <translation>Zeitabhängige Verbindungskosten</translation>
    </message>
    <message>
        <source>Cost per hour</source>
        <translation>Kosten pro Stunde</translation>
    </message>
    <message>
        <source>Connection cost is charged by per hour basis</source>
        <translation>Die Verbindung wird stundenweise berechnet</translation>
    </message>
    <message>
        <source>Cost per minute</source>
        <translation>Kosten pro Minute</translation>
    </message>
    <message>
        <source>Connection cost is charged by per minute basis</source>
        <translation>Die Verbindung wird minutenweise berechnet</translation>
    </message>
    <message>
        <source>Enter the dollar amount. Please enter a number 0-9</source>
        <translation>Geben Sie den Dollarbetrag ein. Bitte eine Zahl aus 0-9 eingeben</translation>
    </message>
    <message>
        <source>Enter the cent amount. Enter a value from 0-9</source>
        <translation>Geben Sie den Centbetrag ein. Einen Wert aus 0-9 eingeben</translation>
    </message>
    <message>
        <source>Free Connection Time Per Month</source>
        <translation>Freie Verbindungszeit pro Monat</translation>
    </message>
    <message>
        <source>Enter the amount of free connection time given to you per month by your Internet Service Providers :</source>
        <translation>Geben Sie die freie Verbindungszeit ein, die Ihnen Ihr Internetanbieter pro Monat gewährt :</translation>
    </message>
    <message>
        <source>Enter the amount of free hours given to you per month</source>
        <translation>Geben Sie die freien Stunden pro Monat ein</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Enter the free minutes given to you per month</source>
        <translation>Geben Sie die freien Minuten pro Monat ein</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Connection Time Limit Warnings</source>
        <translation>Warnungen zur Verbindungszeit</translation>
    </message>
    <message>
        <source>Warn if connection time per connection exceeds :</source>
        <translation>Warnen, wenn die Zeit pro Verbindung überschreitet :</translation>
    </message>
    <message>
        <source>Warn if total connection time per month exceeds :</source>
        <translation>Warnen, wenn die Gesamtzeit pro Monat überschreitet :</translation>
    </message>
    <message>
        <source>Connection Cost Limit Warnings</source>
        <translation>Warnungen zu den Verbindungskosten</translation>
    </message>
    <message>
        <source>Warn if connection cost per connection exceeds : </source>
        <translation>Warnen, wenn die Kosten pro Verbindung überschreiten : </translation>
    </message>
    <message>
        <source>Warn if total connection cost per month exceeds :</source>
        <translation>Warnen, wenn die Gesamtkosten pro Monat überschreiten :</translation>
    </message>
    <message>
        <source>Hours per connection</source>
        <translation>Stunden pro Verbindung</translation>
    </message>
    <message>
        <source>Minutes per connection</source>
        <translation>Minuten pro Verbindung</translation>
    </message>
    <message>
        <source>Hours per month</source>
        <translation>Stunden pro Monat</translation>
    </message>
    <message>
        <source>Minutes per month</source>
        <translation>Minuten pro Monat</translation>
    </message>
    <message>
        <source>Dollars per connection</source>
        <translation>Dollar pro Verbindung</translation>
    </message>
    <message>
        <source>Cents per connection</source>
        <translation>Cent pro Verbindung</translation>
    </message>
    <message>
        <source>Dollars per month</source>
        <translation>Dollar pro Monat</translation>
    </message>
    <message>
        <source>Cents per month</source>
        <translation>Cent pro Monat</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Activate sound when connected</source>
        <translation>Klang beim Verbinden abspielen</translation>
    </message>
    <message>
        <source>ModemTally would play a sound when connection is established</source>
        <translation>ModemTally spielt einen Klang ab, sobald die Verbindung steht</translation>
    </message>
    <message>
        <source>Sound Control</source>
        <translation>Klangeinstellungen</translation>
    </message>
    <message>
        <source>Maintain Connection Uptime</source>
        <translation>Verbindung aufrechterhalten</translation>
    </message>
    <message>
        <source>When connection is idle, ModemTally will simulate transmission to prevent disconnection</source>
        <translation>Ist die Verbindung untätig, simuliert ModemTally Datenverkehr, damit sie nicht getrennt wird</translation>
    </message>
    <message>
        <source>Show connection cost after hang up</source>
        <translation>Verbindungskosten nach dem Auflegen anzeigen</translation>
    </message>
    <message>
        <source>Show the total cost for the connection after hang up.</source>
        <translation>Die Gesamtkosten der Verbindung nach dem Auflegen anzeigen.</translation>
    </message>
    <message>
        <source>Auto-dial upon launching ModemTally</source>
        <translation>Beim Start von ModemTally automatisch wählen</translation>
    </message>
    <message>
        <source>Automate the dialing sequence when starting ModemTally</source>
        <translation>Den Wählvorgang beim Start von ModemTally automatisch beginnen</translation>
    </message>
    <message>
        <source>Display timer console after connection</source>
        <translation>Zeitanzeige nach dem Verbinden einblenden</translation>
    </message>
    <message>
        <source>Pop ups a timer window displaying the elapsed time after connection</source>
        <translation>Öffnet nach dem Verbinden ein Fenster mit der verstrichenen Zeit</translation>
    </message>
    <message>
        <source>Launch default web browser after connection with start page as :</source>
        <translation>Nach dem Verbinden den Standard-Webbrowser mit dieser Startseite öffnen :</translation>
    </message>
    <message>
        <source>Run your default WWW browser after a successful connection</source>
        <translation>Nach erfolgreichem Verbinden Ihren Standard-Webbrowser starten</translation>
    </message>
    <message>
        <source>Specify the start page URL for your WWW browser to load</source>
        <translation>Die Adresse der Startseite, die Ihr Webbrowser laden soll</translation>
    </message>
    <message>
        <source>Start page</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Warn if total connection time exceeds the free connection time per month</source>
        <translation>Warnen, wenn die Gesamtzeit die freie Verbindungszeit pro Monat überschreitet</translation>
    </message>
    <message>
        <source>Display warning box if total elapsed connection time exceeded the free time per month</source>
        <translation>Eine Warnung anzeigen, wenn die gesamte Verbindungszeit die freie Zeit pro Monat überschritten hat</translation>
    </message>
    <message>
        <source>Redialing</source>
        <translation>Wahlwiederholung</translation>
    </message>
    <message>
        <source>If connection fails,</source>
        <translation>Wenn die Verbindung fehlschlägt,</translation>
    </message>
    <message>
        <source>Redial a maximum of </source>
        <translation>Erneut wählen, höchstens </translation>
    </message>
    <message>
        <source>If line is busy or connection fails, redial your stated number of attempts</source>
        <translation>Bei besetzter Leitung oder fehlgeschlagener Verbindung bis zur angegebenen Anzahl Versuche erneut wählen</translation>
    </message>
    <message>
        <source>Maximum number of redial attempts to dial when line is busy or connection fails</source>
        <translation>Höchstzahl der Wahlwiederholungen bei besetzter Leitung oder fehlgeschlagener Verbindung</translation>
    </message>
    <message>
        <source>Redial attempts</source>
        <translation>Wahlwiederholungen</translation>
    </message>
    <message>
        <source>times</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Redial till connected</source>
        <translation>Bis zur Verbindung erneut wählen</translation>
    </message>
    <message>
        <source>If line is busy or connection fails, redial till connected</source>
        <translation>Bei besetzter Leitung oder fehlgeschlagener Verbindung erneut wählen, bis die Verbindung steht</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Activate Reminder every</source>
        <translation>Erinnern alle</translation>
    </message>
    <message>
        <source>Pop ups a reminder window</source>
        <translation>Öffnet ein Erinnerungsfenster</translation>
    </message>
    <message>
        <source>Time interval value for the reminder window to pop up</source>
        <translation>Zeitabstand, in dem das Erinnerungsfenster erscheint</translation>
    </message>
    <message>
        <source>Reminder interval</source>
        <translation>Erinnerungsabstand</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Time interval is in minute</source>
        <translation>Der Zeitabstand ist in Minuten</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Time interval is in hour</source>
        <translation>Der Zeitabstand ist in Stunden</translation>
    </message>
    <message>
        <source>&amp;Browser</source>
        <translation>&amp;Browser</translation>
    </message>
    <message>
        <source>Create and run a new web browser window with the start page URL</source>
        <translation>Ein neues Browserfenster mit der Startseite öffnen</translation>
    </message>
    <message>
        <source>&amp;Create Shortcut</source>
        <translation>&amp;Verknüpfung erstellen</translation>
    </message>
    <message>
        <source>Create a shortcut to ModemTally on your desktop. Highly Recommended.</source>
        <translation>Eine Verknüpfung zu ModemTally auf Ihrem Schreibtisch anlegen. Sehr empfohlen.</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Select a Connection Profile first</source>
        <translation>Wählen Sie zuerst ein Verbindungsprofil aus</translation>
    </message>
    <message>
        <source>Select a connection profile first!</source>
        <translation>Wählen Sie zuerst ein Verbindungsprofil aus!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The configurations could not be saved to &quot;%1&quot;: %2

Your previous settings file has not been changed.</source>
        <translation>Die Konfiguration konnte nicht in „%1“ gespeichert werden: %2

Ihre bisherige Einstellungsdatei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Save Successful!</source>
        <translation>Erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Dial the default profile: Yes</source>
        <translation>Standardprofil wählen: Ja</translation>
    </message>
    <message>
        <source>Dial the default profile: No</source>
        <translation>Standardprofil wählen: Nein</translation>
    </message>
    <message>
        <source>Prompt for password: Yes</source>
        <translation>Nach dem Kennwort fragen: Ja</translation>
    </message>
    <message>
        <source>Prompt for password: No</source>
        <translation>Nach dem Kennwort fragen: Nein</translation>
    </message>
    <message>
        <source>Dollars per hour or minute</source>
        <translation>Dollar pro Stunde oder Minute</translation>
    </message>
    <message>
        <source>Cents per hour or minute</source>
        <translation>Cent pro Stunde oder Minute</translation>
    </message>
    <message>
        <source>Free hours per month</source>
        <translation>Freistunden pro Monat</translation>
    </message>
    <message>
        <source>Free minutes per month</source>
        <translation>Freiminuten pro Monat</translation>
    </message>
    <message>
        <source>Start ModemTally when I log in</source>
        <translation>ModemTally bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Add ModemTally to the programs your desktop starts when you log in</source>
        <translation>ModemTally zu den Programmen hinzufügen, die Ihr Desktop bei der Anmeldung startet</translation>
    </message>
    <message>
        <source>P&amp;lan...</source>
        <translation>Ta&amp;rif...</translation>
    </message>
    <message>
        <source>The data plan of the selected profile: allowances, billing cycle, warnings</source>
        <translation>Der Datentarif des ausgewählten Profils: Kontingente, Abrechnungszeitraum, Warnungen</translation>
    </message>
</context>
<context>
    <name>frmConnectNoDefault</name>
    <message>
        <source>Dialing to...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Select the connection profile to dial :</source>
        <translation>Wählen Sie das zu wählende Verbindungsprofil :</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Dial the selected connection profile</source>
        <translation>Das ausgewählte Verbindungsprofil wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel dialup process</source>
        <translation>Einwahl abbrechen</translation>
    </message>
    <message>
        <source>Select a Connection Profile first</source>
        <translation>Wählen Sie zuerst ein Verbindungsprofil aus</translation>
    </message>
</context>
<context>
    <name>frmCost</name>
    <message>
        <source>Connection Cost</source>
        <translation>Verbindungskosten</translation>
    </message>
    <message>
        <source>Total Cost for Current Connection : $</source>
        <translation>Gesamtkosten der aktuellen Verbindung : $</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmCreateShortcut</name>
    <message>
        <source>Creating Shortcut for ModemTally</source>
        <translation>Verknüpfung für ModemTally erstellen</translation>
    </message>
    <message>
        <source>ModemTally would create a shortcut to be placed on your Windows Desktop. This shortcut would assist you in making a quick launching of the ModemTally program. It is highly recommended to create a shortcut.</source>
        <translation>ModemTally erstellt eine Verknüpfung auf Ihrem Schreibtisch. Mit dieser Verknüpfung können Sie das Programm ModemTally schnell starten. Es wird dringend empfohlen, eine Verknüpfung zu erstellen.</translation>
    </message>
    <message>
        <source>Enter the name of the shortcut  :</source>
        <translation>Geben Sie den Namen der Verknüpfung ein  :</translation>
    </message>
    <message>
        <source>This name would appear as the name of the shortcut on your desktop</source>
        <translation>Unter diesem Namen erscheint die Verknüpfung auf Ihrem Schreibtisch</translation>
    </message>
    <message>
        <source>Create shortcut to ModemTally now!</source>
        <translation>Jetzt eine Verknüpfung zu ModemTally erstellen!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A filename cannot contain any of the following characters:<byte value="xd"/>
               / \ : * ? &quot; &lt; &gt; |</source>
        <translation>Ein Dateiname darf keines der folgenden Zeichen enthalten:<byte value="xd"/>
               / \ : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>Unable to create shortcut for ModemTally.</source>
        <translation>Die Verknüpfung für ModemTally konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>frmDeleteProfile</name>
    <message>
        <source>Updating Connection Profiles</source>
        <translation>Verbindungsprofile aktualisieren</translation>
    </message>
    <message>
        <source>Select the connection profile to be deleted by ticking in the checkbox and pressing &quot;Delete&quot;</source>
        <translation>Kreuzen Sie die zu löschenden Verbindungsprofile an und klicken Sie auf „Löschen“</translation>
    </message>
    <message>
        <source>Connection profiles</source>
        <translation>Verbindungsprofile</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the checked connection profiles</source>
        <translation>Die angekreuzten Verbindungsprofile löschen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Ignore the changes. Not Recommended!</source>
        <translation>Die Änderungen ignorieren. Nicht empfohlen!</translation>
    </message>
</context>
<context>
    <name>frmDialSelected</name>
    <message>
        <source>Dialing to...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Dial to </source>
        <translation>Einwahl zu </translation>
    </message>
    <message>
        <source>Profile Name :</source>
        <translation>Profilname :</translation>
    </message>
    <message>
        <source>Username :</source>
        <translation>Benutzername :</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Kennwort :</translation>
    </message>
    <message>
        <source>Domain :</source>
        <translation>Domäne :</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmEditProfile</name>
    <message>
        <source>Edit Connection Profile</source>
        <translation>Verbindungsprofil bearbeiten</translation>
    </message>
    <message>
        <source>Connection Profile for </source>
        <translation>Verbindungsprofil für </translation>
    </message>
    <message>
        <source>Dialup Networking Profile</source>
        <translation>DFÜ-Verbindungsprofil</translation>
    </message>
    <message>
        <source>The username required by the remote dialup server to identify you</source>
        <translation>Der Benutzername, mit dem Sie sich beim Einwahlserver ausweisen</translation>
    </message>
    <message>
        <source>The password required for authentication during connection establishment</source>
        <translation>Das Kennwort für die Anmeldung beim Verbindungsaufbau</translation>
    </message>
    <message>
        <source>The domain of your dialup server. If not applicable, just leave it blank</source>
        <translation>Die Domäne Ihres Einwahlservers. Wenn nicht zutreffend, einfach leer lassen</translation>
    </message>
    <message>
        <source>Profile Name :</source>
        <translation>Profilname :</translation>
    </message>
    <message>
        <source>Username : </source>
        <translation>Benutzername : </translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Kennwort :</translation>
    </message>
    <message>
        <source>Domain :</source>
        <translation>Domäne :</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>frmHelpDelete</name>
    <message>
        <source>ModemTally Help</source>
        <translation>ModemTally-Hilfe</translation>
    </message>
    <message>
        <source>&lt;p&gt;Follow the steps below :&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Tick the connection profiles whose dial-up entries no longer exist.&lt;/li&gt;&lt;li&gt;Press Delete. ModemTally removes the ticked profiles.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;If you press Ignore instead, ModemTally keeps all of its profiles. Its count of profiles then stays out of step with your dial-up entries, but you lose no feature of ModemTally.&lt;/p&gt;&lt;p&gt;ModemTally shows this window only after dial-up entries have been deleted.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Gehen Sie so vor :&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Kreuzen Sie die Verbindungsprofile an, deren DFÜ-Einträge es nicht mehr gibt.&lt;/li&gt;&lt;li&gt;Klicken Sie auf Löschen. ModemTally entfernt die angekreuzten Profile.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Klicken Sie stattdessen auf Ignorieren, behält ModemTally alle seine Profile. Die Zahl seiner Profile stimmt dann nicht mehr mit Ihren DFÜ-Einträgen überein, doch Sie verlieren keine Funktion von ModemTally.&lt;/p&gt;&lt;p&gt;ModemTally zeigt dieses Fenster nur, nachdem DFÜ-Einträge gelöscht wurden.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>frmHelpEdit</name>
    <message>
        <source>ModemTally Help</source>
        <translation>ModemTally-Hilfe</translation>
    </message>
    <message>
        <source>Modifying your connection profile</source>
        <translation>Ihr Verbindungsprofil ändern</translation>
    </message>
    <message>
        <source>Enter the user name and the password that your Internet service provider or the remote server requires you to log on with. The domain is optional: you may leave it empty unless your provider asks for one.</source>
        <translation>Geben Sie den Benutzernamen und das Kennwort ein, mit denen Sie sich bei Ihrem Internetanbieter oder dem entfernten Server anmelden. Die Domäne ist freiwillig: Sie können sie leer lassen, sofern Ihr Anbieter keine verlangt.</translation>
    </message>
</context>
<context>
    <name>frmHelpStart</name>
    <message>
        <source>ModemTally Help</source>
        <translation>ModemTally-Hilfe</translation>
    </message>
    <message>
        <source>The Connect Button</source>
        <translation>Die Schaltfläche Verbinden</translation>
    </message>
    <message>
        <source>Press Connect and ModemTally dials your default connection profile straight away. If you have not chosen a default profile, ModemTally shows you the list of your dial-up profiles so that you can pick the one to dial.</source>
        <translation>Klicken Sie auf Verbinden, und ModemTally wählt sofort Ihr Standard-Verbindungsprofil. Haben Sie kein Standardprofil gewählt, zeigt ModemTally die Liste Ihrer DFÜ-Profile, aus der Sie das zu wählende auswählen.</translation>
    </message>
    <message>
        <source>The Configuration Button</source>
        <translation>Die Schaltfläche Konfiguration</translation>
    </message>
    <message>
        <source>Configuration opens the ModemTally configuration console. Its four categories, Connection, Cost, Warnings and Options, hold everything ModemTally needs to know about your connections. Please set them up the first time you use ModemTally.</source>
        <translation>Konfiguration öffnet die ModemTally-Konfigurationskonsole. Ihre vier Bereiche Verbindung, Kosten, Warnungen und Optionen enthalten alles, was ModemTally über Ihre Verbindungen wissen muss. Bitte richten Sie sie beim ersten Start von ModemTally ein.</translation>
    </message>
    <message>
        <source>The Scan Button</source>
        <translation>Die Schaltfläche Suchen</translation>
    </message>
    <message>
        <source>Scan looks for a dial-up connection that is already active, even one started outside ModemTally, and takes it over as if you had dialed it from ModemTally. Only one active connection is taken over.</source>
        <translation>Suchen sucht nach einer bereits bestehenden DFÜ-Verbindung, auch einer außerhalb von ModemTally aufgebauten, und übernimmt sie, als hätten Sie sie mit ModemTally gewählt. Es wird nur eine aktive Verbindung übernommen.</translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>ModemTally - Usage History</source>
        <translation>ModemTally - Nutzungsverlauf</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>Last 24 months</source>
        <translation>Letzte 24 Monate</translation>
    </message>
    <message>
        <source>The chosen month</source>
        <translation>Der gewählte Monat</translation>
    </message>
    <message>
        <source>All months shown</source>
        <translation>Alle gezeigten Monate</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>&amp;CSV exportieren...</translation>
    </message>
    <message>
        <source>Save the sessions of the table as CSV, for a spreadsheet</source>
        <translation>Die Sitzungen der Tabelle als CSV speichern, für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Export &amp;JSON...</source>
        <translation>&amp;JSON exportieren...</translation>
    </message>
    <message>
        <source>Save the sessions of the table as JSON</source>
        <translation>Die Sitzungen der Tabelle als JSON speichern</translation>
    </message>
    <message>
        <source>By &amp;month</source>
        <translation>Nach &amp;Monat</translation>
    </message>
    <message>
        <source>By &amp;day</source>
        <translation>Nach &amp;Tag</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sitzungen</translation>
    </message>
    <message>
        <source>Time online</source>
        <translation>Onlinezeit</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profile</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Backend</source>
        <translation>Backend</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Adopted</source>
        <translation>Übernommen</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>&amp;Sessions</source>
        <translation>&amp;Sitzungen</translation>
    </message>
    <message>
        <source>Months &amp;shown:</source>
        <translation>Gezeigte Mon&amp;ate:</translation>
    </message>
    <message>
        <source>M&amp;onth:</source>
        <translation>M&amp;onat:</translation>
    </message>
    <message>
        <source>P&amp;rofile:</source>
        <translation>P&amp;rofil:</translation>
    </message>
    <message>
        <source>&amp;Table and export:</source>
        <translation>Tabelle und &amp;Export:</translation>
    </message>
    <message>
        <source>All profiles</source>
        <translation>Alle Profile</translation>
    </message>
    <message>
        <source>Time online per month</source>
        <translation>Onlinezeit pro Monat</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Cost per month</source>
        <translation>Kosten pro Monat</translation>
    </message>
    <message>
        <source>Time online per day, %1</source>
        <translation>Onlinezeit pro Tag, %1</translation>
    </message>
    <message>
        <source>Cost per day, %1</source>
        <translation>Kosten pro Tag, %1</translation>
    </message>
    <message>
        <source>%1 session(s) of this month (%2 online) came from its month file, which does not keep their days: they count in the month&apos;s totals but not in any day&apos;s.</source>
        <translation>%1 Sitzung(en) dieses Monats (%2 online) stammen aus seiner Monatsdatei, die ihre Tage nicht festhält: Sie zählen zu den Summen des Monats, aber zu keinem Tag.</translation>
    </message>
    <message>
        <source>Share of time online by profile</source>
        <translation>Anteil der Onlinezeit nach Profil</translation>
    </message>
    <message>
        <source>(imported)</source>
        <translation>(importiert)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>The usage history cannot be read: %1</source>
        <translation>Der Nutzungsverlauf kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1%2: %3 session(s), %4 online, cost %5</source>
        <translation>%1%2: %3 Sitzung(en), %4 online, Kosten %5</translation>
    </message>
    <message>
        <source>The sessions were not exported: %1</source>
        <translation>Die Sitzungen wurden nicht exportiert: %1</translation>
    </message>
    <message>
        <source>The sessions of the table were written to %1.</source>
        <translation>Die Sitzungen der Tabelle wurden in %1 geschrieben.</translation>
    </message>
    <message>
        <source>Export the sessions</source>
        <translation>Sitzungen exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Diagramm: %1</translation>
    </message>
    <message>
        <source>Usage history views</source>
        <translation>Ansichten des Nutzungsverlaufs</translation>
    </message>
    <message>
        <source>Time online per day</source>
        <translation>Onlinezeit pro Tag</translation>
    </message>
    <message>
        <source>Cost per day</source>
        <translation>Kosten pro Tag</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Verbraucht</translation>
    </message>
    <message>
        <source>Allowance</source>
        <translation>Kontingent</translation>
    </message>
    <message>
        <source>Projected</source>
        <translation>Hochgerechnet</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Verbleibende Tage</translation>
    </message>
    <message>
        <source>Use per billing cycle</source>
        <translation>Verbrauch pro Abrechnungszeitraum</translation>
    </message>
    <message>
        <source>P&amp;lans</source>
        <translation>Ta&amp;rife</translation>
    </message>
    <message>
        <source>No profile has a plan. A profile&apos;s plan (its allowances and billing cycle) is set from the configuration console&apos;s Connection tab.</source>
        <translation>Kein Profil hat einen Tarif. Der Tarif eines Profils (Kontingente und Abrechnungszeitraum) wird auf der Registerkarte „Verbindung“ der Konfigurationskonsole festgelegt.</translation>
    </message>
    <message>
        <source>Projected: the cycle&apos;s use at its end at the pace so far. A session still running counts with its last minute.</source>
        <translation>Hochgerechnet: der Verbrauch am Ende des Zeitraums beim bisherigen Tempo. Eine noch laufende Sitzung zählt mit ihrer letzten Minute.</translation>
    </message>
    <message>
        <source>%1: %2 per billing cycle (allowance %3)</source>
        <translation>%1: %2 pro Abrechnungszeitraum (Kontingent %3)</translation>
    </message>
    <message>
        <source>time online</source>
        <translation>Onlinezeit</translation>
    </message>
    <message>
        <source>data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Extra cost</source>
        <translation>Mehrkosten</translation>
    </message>
    <message>
        <source>%1 (%2 projected)</source>
        <translation>%1 (%2 hochgerechnet)</translation>
    </message>
</context>
<context>
    <name>frmPassword</name>
    <message>
        <source>Authentication in Progress...</source>
        <translation>Anmeldung läuft...</translation>
    </message>
    <message>
        <source>Enter the Profile Password :</source>
        <translation>Geben Sie das Profilkennwort ein :</translation>
    </message>
    <message>
        <source>The password of your default connection profile</source>
        <translation>Das Kennwort Ihres Standard-Verbindungsprofils</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel Dialing</source>
        <translation>Wählen abbrechen</translation>
    </message>
</context>
<context>
    <name>frmPlan</name>
    <message>
        <source>Data Plan</source>
        <translation>Datentarif</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>Data included in each billing cycle, received and sent together (1 MB = 1,000,000 bytes); 0: no data allowance</source>
        <translation>In jedem Abrechnungszeitraum enthaltene Daten, empfangen und gesendet zusammen (1 MB = 1.000.000 Bytes); 0: kein Datenkontingent</translation>
    </message>
    <message>
        <source> h</source>
        <translation> h</translation>
    </message>
    <message>
        <source>Connection time included in each billing cycle, in hours; 0: no time allowance</source>
        <translation>In jedem Abrechnungszeitraum enthaltene Verbindungszeit in Stunden; 0: kein Zeitkontingent</translation>
    </message>
    <message>
        <source>The day of the month each billing cycle begins; in a month with fewer days, its last day</source>
        <translation>Der Tag des Monats, an dem jeder Abrechnungszeitraum beginnt; in einem Monat mit weniger Tagen dessen letzter Tag</translation>
    </message>
    <message>
        <source>What each megabyte past the data allowance costs</source>
        <translation>Was jedes Megabyte über dem Datenkontingent kostet</translation>
    </message>
    <message>
        <source>Percentages of an allowance that warn, once each per cycle, separated by commas</source>
        <translation>Prozentsätze eines Kontingents, bei denen gewarnt wird, jeweils einmal pro Zeitraum, durch Kommas getrennt</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save this profile&apos;s plan</source>
        <translation>Den Tarif dieses Profils speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>P&amp;rofile:</source>
        <translation>P&amp;rofil:</translation>
    </message>
    <message>
        <source>&amp;Data per cycle:</source>
        <translation>&amp;Daten pro Zeitraum:</translation>
    </message>
    <message>
        <source>&amp;Time per cycle:</source>
        <translation>&amp;Zeit pro Zeitraum:</translation>
    </message>
    <message>
        <source>C&amp;ycle begins on day:</source>
        <translation>Zeitraum &amp;beginnt am Tag:</translation>
    </message>
    <message>
        <source>Price per e&amp;xtra MB:</source>
        <translation>Preis pro zusätzlichem &amp;MB:</translation>
    </message>
    <message>
        <source>&amp;Warn at (%):</source>
        <translation>&amp;Warnen bei (%):</translation>
    </message>
    <message>
        <source>This cycle: %1 to %2</source>
        <translation>Dieser Zeitraum: %1 bis %2</translation>
    </message>
    <message>
        <source>There is no profile to give a plan to.</source>
        <translation>Es gibt kein Profil, dem ein Tarif zugeordnet werden kann.</translation>
    </message>
    <message>
        <source>The price per extra MB is not an amount of money.</source>
        <translation>Der Preis pro zusätzlichem MB ist kein Geldbetrag.</translation>
    </message>
    <message>
        <source>Give the warnings as whole percentages from 1 to 1000, separated by commas (for example 80, 100).</source>
        <translation>Geben Sie die Warnungen als ganze Prozentzahlen von 1 bis 1000 an, durch Kommas getrennt (zum Beispiel 80, 100).</translation>
    </message>
    <message>
        <source>The plan could not be saved: %1.</source>
        <translation>Der Tarif konnte nicht gespeichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>frmPlanWarn</name>
    <message>
        <source>Plan Allowance Warning</source>
        <translation>Warnung zum Tarifkontingent</translation>
    </message>
</context>
<context>
    <name>frmReminder</name>
    <message>
        <source>ModemTally Reminder</source>
        <translation>ModemTally-Erinnerung</translation>
    </message>
    <message>
        <source>Total Elapsed time :</source>
        <translation>Gesamte verstrichene Zeit :</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>Ignore this reminder and continue with the current session</source>
        <translation>Diese Erinnerung ignorieren und die aktuelle Sitzung fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Hang Up</source>
        <translation>&amp;Auflegen</translation>
    </message>
    <message>
        <source>Hang up your current session</source>
        <translation>Die aktuelle Sitzung beenden und auflegen</translation>
    </message>
</context>
<context>
    <name>frmSound</name>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Sound Control</source>
        <translation>Klangeinstellungen</translation>
    </message>
    <message>
        <source>Play ModemTally&apos;s default sound file</source>
        <translation>Den Standardklang von ModemTally abspielen</translation>
    </message>
    <message>
        <source>Play customised sound file from my computer</source>
        <translation>Eine eigene Klangdatei von meinem Computer abspielen</translation>
    </message>
    <message>
        <source>Customised Sound</source>
        <translation>Eigener Klang</translation>
    </message>
    <message>
        <source>Play sound from drive</source>
        <translation>Klang von Laufwerk abspielen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Wave files found</source>
        <translation>Gefundene WAV-Dateien</translation>
    </message>
    <message>
        <source>Selected sound file to be played</source>
        <translation>Ausgewählte Klangdatei zum Abspielen</translation>
    </message>
    <message>
        <source>Search for all *.wav files in your selected drive</source>
        <translation>Alle *.wav-Dateien auf dem ausgewählten Laufwerk suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel Search</source>
        <translation>Suche abbrechen</translation>
    </message>
    <message>
        <source>S&amp;elect</source>
        <translation>Aus&amp;wählen</translation>
    </message>
    <message>
        <source>Select this sound to be played</source>
        <translation>Diesen Klang zum Abspielen auswählen</translation>
    </message>
    <message>
        <source>Hear a sample sound of the selected file</source>
        <translation>Eine Hörprobe der ausgewählten Datei abspielen</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Clear custom sound file. ModemTally would not play any sound</source>
        <translation>Die eigene Klangdatei entfernen. ModemTally spielt dann keinen Klang ab</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Total *.wav files found :</source>
        <translation>Gefundene *.wav-Dateien insgesamt :</translation>
    </message>
    <message>
        <source>Selected sound file to be played :</source>
        <translation>Ausgewählte Klangdatei zum Abspielen :</translation>
    </message>
    <message>
        <source>Upon connection,</source>
        <translation>Beim Verbinden,</translation>
    </message>
    <message>
        <source>You have chosen custom sound but have not selected any sound file to be played. Do you wish to continue?</source>
        <translation>Sie haben einen eigenen Klang gewählt, aber keine Klangdatei zum Abspielen ausgewählt. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Custom Sound not Selected</source>
        <translation>Kein eigener Klang ausgewählt</translation>
    </message>
    <message>
        <source>You&apos;ve filled the list box. Abandoning search...</source>
        <translation>Die Liste ist voll. Die Suche wird abgebrochen...</translation>
    </message>
</context>
<context>
    <name>frmStart</name>
    <message>
        <source>Welcome to ModemTally Deluxe!</source>
        <translation>Willkommen bei ModemTally Deluxe!</translation>
    </message>
    <message>
        <source>ModemTally Menu</source>
        <translation>ModemTally-Menü</translation>
    </message>
    <message>
        <source>Connect to your connection profile</source>
        <translation>Mit Ihrem Verbindungsprofil verbinden</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Hang up on your current active connection</source>
        <translation>Die aktuelle aktive Verbindung auflegen</translation>
    </message>
    <message>
        <source>Hang Up</source>
        <translation>Auflegen</translation>
    </message>
    <message>
        <source>Configuration Console</source>
        <translation>Konfigurationskonsole</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About ModemTally</source>
        <translation>Über ModemTally</translation>
    </message>
    <message>
        <source>Exit ModemTally</source>
        <translation>ModemTally beenden</translation>
    </message>
    <message>
        <source>Place ModemTally to System Tray</source>
        <translation>ModemTally in den Systembereich der Kontrollleiste legen</translation>
    </message>
    <message>
        <source>Scan for any active connections established externally of ModemTally</source>
        <translation>Nach aktiven Verbindungen suchen, die außerhalb von ModemTally aufgebaut wurden</translation>
    </message>
    <message>
        <source>Usage History: time online and cost by month, day and profile</source>
        <translation>Nutzungsverlauf: Onlinezeit und Kosten nach Monat, Tag und Profil</translation>
    </message>
    <message>
        <source>Connection Status :</source>
        <translation>Verbindungsstatus :</translation>
    </message>
    <message>
        <source>Connection Status Window</source>
        <translation>Fenster des Verbindungsstatus</translation>
    </message>
    <message>
        <source>Time Elapsed :</source>
        <translation>Verstrichene Zeit :</translation>
    </message>
    <message>
        <source>Time elapsed in Hour:Minute:Second</source>
        <translation>Verstrichene Zeit in Stunden:Minuten:Sekunden</translation>
    </message>
    <message>
        <source>&amp;SysTray</source>
        <translation>&amp;Systembereich</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Hide ModemTally</source>
        <translation>ModemTally &amp;ausblenden</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Konfiguration</translation>
    </message>
    <message>
        <source>&amp;Hang Up</source>
        <translation>&amp;Auflegen</translation>
    </message>
    <message>
        <source>Usage Histor&amp;y...</source>
        <translation>Nutzungs&amp;verlauf...</translation>
    </message>
    <message>
        <source>Data this session</source>
        <translation>Daten dieser Sitzung</translation>
    </message>
</context>
<context>
    <name>frmTimerConsole</name>
    <message>
        <source>Timer</source>
        <translation>Zeitanzeige</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close this Timer Console</source>
        <translation>Diese Zeitanzeige schließen</translation>
    </message>
    <message>
        <source>Data this session</source>
        <translation>Daten dieser Sitzung</translation>
    </message>
</context>
<context>
    <name>frmWarn</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>frmWarnNewConnection</name>
    <message>
        <source>Notice for Creating New Connection</source>
        <translation>Hinweis zum Anlegen einer neuen Verbindung</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>ModemTally would launch Windows 95/NT dialup networking program and would place ModemTally in active process intended to acquire your new dialup profile data. It is not advisable to cancel the process of creating a new dialup profile as this would result in a slight loss of memory data.</source>
        <translation>ModemTally startet das DFÜ-Netzwerk-Programm von Windows 95/NT und wartet im Hintergrund, um die Daten Ihres neuen DFÜ-Profils zu übernehmen. Es ist nicht ratsam, das Anlegen eines neuen DFÜ-Profils abzubrechen, da dies zu einem geringen Verlust von Speicherdaten führen würde.</translation>
    </message>
    <message>
        <source>If you are sure you want to create a new dialup profile, then click on the &quot;Proceed&quot; button. Otherwise, click on the &quot;Cancel&quot; button.</source>
        <translation>Wenn Sie sicher sind, dass Sie ein neues DFÜ-Profil anlegen möchten, klicken Sie auf „Fortfahren“. Andernfalls klicken Sie auf „Abbrechen“.</translation>
    </message>
    <message>
        <source>&amp;Proceed</source>
        <translation>&amp;Fortfahren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
</TS>
