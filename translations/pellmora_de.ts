<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Version ?</source>
        <translation>Version ?</translation>
    </message>
    <message>
        <source>Made by Quorvane.</source>
        <translation>Von Quorvane.</translation>
    </message>
    <message>
        <source>Free software: free to use, free to share.</source>
        <translation>Freie Software: frei nutzen, frei weitergeben.</translation>
    </message>
    <message>
        <source>Please support this free software by making a small</source>
        <translation>Bitte unterstützen Sie diese freie Software mit einer kleinen</translation>
    </message>
    <message>
        <source>Donation</source>
        <translation>Spende</translation>
    </message>
    <message>
        <source>Click here to make a donation.</source>
        <translation>Hier klicken, um zu spenden.</translation>
    </message>
    <message>
        <source>Click here to go to the website.</source>
        <translation>Hier klicken, um die Website zu öffnen.</translation>
    </message>
    <message>
        <source>Debug Mode On</source>
        <translation>Debugmodus an</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AddGame</name>
    <message>
        <source>Select Zip file(s) for one or more games to add...</source>
        <translation>Zip-Datei(en) für ein oder mehrere neue Spiele wählen...</translation>
    </message>
    <message>
        <source>All Zip Files (*.7z *.zip);;7-Zip Files (*.7z);;Zip Files (*.zip);;All Files (*)</source>
        <translation>Alle Zip-Dateien (*.7z *.zip);;7-Zip-Dateien (*.7z);;Zip-Dateien (*.zip);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be copied to %2: %3</source>
        <translation>Die Datei %1 konnte nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <source>No further action taken.</source>
        <translation>Es wurde nichts weiter unternommen.</translation>
    </message>
    <message>
        <source>The game %1 has been added.</source>
        <translation>Das Spiel %1 wurde hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 - NOT A VALID GAME.</source>
        <translation>%1 - KEIN GÜLTIGES SPIEL.</translation>
    </message>
    <message>
        <source>The game %1 already exists in the list of games.</source>
        <translation>Das Spiel %1 steht bereits in der Spieleliste.</translation>
    </message>
    <message>
        <source>The game file(s) must ALL be ZIP files.</source>
        <translation>Die Spieldatei(en) müssen ALLE ZIP-Dateien sein.</translation>
    </message>
    <message>
        <source>The game %1 already exists in the game folder %2.</source>
        <translation>Das Spiel %1 liegt bereits im Spieleordner %2.</translation>
    </message>
</context>
<context>
    <name>ArchiveTest</name>
    <message>
        <source>CRC error</source>
        <translation>CRC-Fehler</translation>
    </message>
    <message>
        <source>Unsupported method</source>
        <translation>Nicht unterstütztes Verfahren</translation>
    </message>
    <message>
        <source>Data error</source>
        <translation>Datenfehler</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Kein Speicher mehr frei</translation>
    </message>
    <message>
        <source>Item Count: %1</source>
        <translation>Anzahl der Einträge: %1</translation>
    </message>
    <message>
        <source>Testing Item %1: %2</source>
        <translation>Teste Eintrag %1: %2</translation>
    </message>
    <message>
        <source>  ERROR File is encrypted.</source>
        <translation>  FEHLER Die Datei ist verschlüsselt.</translation>
    </message>
    <message>
        <source>  ERROR %1</source>
        <translation>  FEHLER %1</translation>
    </message>
    <message>
        <source>ERROR Could not determine the Format of %1</source>
        <translation>FEHLER Das Format von %1 ließ sich nicht bestimmen</translation>
    </message>
    <message>
        <source>ERROR This file format is not handled by 7z.dll</source>
        <translation>FEHLER Dieses Dateiformat wird von 7z.dll nicht unterstützt</translation>
    </message>
    <message>
        <source>ERROR The file is password protected \ encrypted.</source>
        <translation>FEHLER Die Datei ist passwortgeschützt \ verschlüsselt.</translation>
    </message>
    <message>
        <source>TESTING FILE: %1</source>
        <translation>TESTE DATEI: %1</translation>
    </message>
    <message>
        <source>No errors in %1</source>
        <translation>Keine Fehler in %1</translation>
    </message>
    <message>
        <source>The compressed file is NOT VALID.</source>
        <translation>Die komprimierte Datei ist NICHT GÜLTIG.</translation>
    </message>
    <message>
        <source>Return Code = %1</source>
        <translation>Rückgabewert = %1</translation>
    </message>
</context>
<context>
    <name>ChangeStatus</name>
    <message>
        <source>Change Status</source>
        <translation>Status ändern</translation>
    </message>
    <message>
        <source>Select the game status:</source>
        <translation>Den Status des Spiels wählen:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>ChangeStyle</name>
    <message>
        <source>Style &apos;%1&apos; not found.</source>
        <translation>Stil &apos;%1&apos; nicht gefunden.</translation>
    </message>
    <message>
        <source>Change Style</source>
        <translation>Stil ändern</translation>
    </message>
    <message>
        <source>Double-click to apply the style.</source>
        <translation>Doppelklick wendet den Stil an.</translation>
    </message>
    <message>
        <source>Windows is the default style.</source>
        <translation>Windows ist der Standardstil.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this dialog.</source>
        <translation>Diesen Dialog schließen.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Play Game...</source>
        <translation>&amp;Spiel starten...</translation>
    </message>
    <message>
        <source>Play the selected game.</source>
        <translation>Das gewählte Spiel starten.</translation>
    </message>
    <message>
        <source>Play Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Play Game...</source>
        <translation>Spiel starten...</translation>
    </message>
    <message>
        <source>&amp;Favourite Game</source>
        <translation>&amp;Lieblingsspiel</translation>
    </message>
    <message>
        <source>Mark/unmark the selected game as a favourite game.</source>
        <translation>Das gewählte Spiel als Lieblingsspiel markieren oder die Markierung entfernen.</translation>
    </message>
    <message>
        <source>Favourite Game</source>
        <translation>Lieblingsspiel</translation>
    </message>
    <message>
        <source>&amp;Identify Game</source>
        <translation>Spiel &amp;identifizieren</translation>
    </message>
    <message>
        <source>Check the selected game&apos;s identity.</source>
        <translation>Die Identität des gewählten Spiels prüfen.</translation>
    </message>
    <message>
        <source>Identify Game</source>
        <translation>Spiel identifizieren</translation>
    </message>
    <message>
        <source>Change &amp;Status</source>
        <translation>&amp;Status ändern</translation>
    </message>
    <message>
        <source>Change the selected game&apos;s status.</source>
        <translation>Den Status des gewählten Spiels ändern.</translation>
    </message>
    <message>
        <source>Change Status</source>
        <translation>Status ändern</translation>
    </message>
    <message>
        <source>&amp;Verify Game</source>
        <translation>Spiel &amp;prüfen</translation>
    </message>
    <message>
        <source>Check the selected game to determine if it is OK to play.</source>
        <translation>Das gewählte Spiel prüfen, um festzustellen, ob es spielbar ist.</translation>
    </message>
    <message>
        <source>Verify Game</source>
        <translation>Spiel prüfen</translation>
    </message>
    <message>
        <source>&amp;Reset Game</source>
        <translation>Spiel &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Remove any files created by MAME for the selected game - eg. configuration or high score files.</source>
        <translation>Alle Dateien entfernen, die MAME für das gewählte Spiel angelegt hat - z. B. Konfigurations- oder Highscore-Dateien.</translation>
    </message>
    <message>
        <source>Reset Game</source>
        <translation>Spiel zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Add Game</source>
        <translation>Spiel &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add a new game from Zip file(s).</source>
        <translation>Ein neues Spiel aus Zip-Datei(en) hinzufügen.</translation>
    </message>
    <message>
        <source>Add New Game</source>
        <translation>Neues Spiel hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete Game</source>
        <translation>Spiel &amp;löschen</translation>
    </message>
    <message>
        <source>Delete the selected game and all its files.</source>
        <translation>Das gewählte Spiel mit allen seinen Dateien löschen.</translation>
    </message>
    <message>
        <source>Delete Game</source>
        <translation>Spiel löschen</translation>
    </message>
    <message>
        <source>Re&amp;name File/Directory</source>
        <translation>Datei/Ordner &amp;umbenennen</translation>
    </message>
    <message>
        <source>Rename the selected file/directory.</source>
        <translation>Die gewählte Datei bzw. den gewählten Ordner umbenennen.</translation>
    </message>
    <message>
        <source>Rename File/Directory</source>
        <translation>Datei/Ordner umbenennen</translation>
    </message>
    <message>
        <source>Test ZIP File</source>
        <translation>ZIP-Datei testen</translation>
    </message>
    <message>
        <source>Test the ZIP file.</source>
        <translation>Die ZIP-Datei testen.</translation>
    </message>
    <message>
        <source>Scan for Games</source>
        <translation>Nach Spielen suchen</translation>
    </message>
    <message>
        <source>Find all the games located under the ROMS directory.</source>
        <translation>Alle Spiele im ROM-Ordner finden.</translation>
    </message>
    <message>
        <source>Verify All Games</source>
        <translation>Alle Spiele prüfen</translation>
    </message>
    <message>
        <source>Check all the games to determine if they are OK to play.</source>
        <translation>Alle Spiele prüfen, um festzustellen, ob sie spielbar sind.</translation>
    </message>
    <message>
        <source>View Verify Report</source>
        <translation>Prüfbericht zeigen</translation>
    </message>
    <message>
        <source>Display the results of the last time all the games were verified.</source>
        <translation>Die Ergebnisse der letzten Prüfung aller Spiele anzeigen.</translation>
    </message>
    <message>
        <source>Play a Random Game</source>
        <translation>Zufälliges Spiel starten</translation>
    </message>
    <message>
        <source>Play a game at random.</source>
        <translation>Ein zufällig gewähltes Spiel starten.</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>&amp;List Supported Games</source>
        <translation>Unterstützte Spiele &amp;auflisten</translation>
    </message>
    <message>
        <source>Display a list of all games the current version of MAME supports.</source>
        <translation>Eine Liste aller Spiele anzeigen, die die aktuelle MAME-Version unterstützt.</translation>
    </message>
    <message>
        <source>List Supported Games</source>
        <translation>Unterstützte Spiele auflisten</translation>
    </message>
    <message>
        <source>&amp;Edit MAME.INI</source>
        <translation>MAME.INI &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Edit the MAME.INI configuration file.</source>
        <translation>Die Konfigurationsdatei MAME.INI bearbeiten.</translation>
    </message>
    <message>
        <source>Set &amp;path to MAME.EXE/MAME64.EXE</source>
        <translation>&amp;Pfad zu MAME.EXE/MAME64.EXE festlegen</translation>
    </message>
    <message>
        <source>Select the folder where MAME.EXE or MAME64.EXE is located.</source>
        <translation>Den Ordner wählen, in dem MAME.EXE oder MAME64.EXE liegt.</translation>
    </message>
    <message>
        <source>Select Path</source>
        <translation>Pfad wählen</translation>
    </message>
    <message>
        <source>&amp;Search for MAME.EXE/MAME64.EXE</source>
        <translation>Nach MAME.EXE/MAME64.EXE &amp;suchen</translation>
    </message>
    <message>
        <source>Search for directory where MAME.EXE or MAME64.EXE is located.</source>
        <translation>Nach dem Ordner suchen, in dem MAME.EXE oder MAME64.EXE liegt.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Open Explorer to Data Path</source>
        <translation>Datenordner im Dateimanager öffnen</translation>
    </message>
    <message>
        <source>Open Explorer to MAME Path</source>
        <translation>MAME-Ordner im Dateimanager öffnen</translation>
    </message>
    <message>
        <source>Change Style</source>
        <translation>Stil ändern</translation>
    </message>
    <message>
        <source>MAME Help</source>
        <translation>MAME-Hilfe</translation>
    </message>
    <message>
        <source>Displays instructions on how to use MAME.</source>
        <translation>Zeigt Anleitungen zur Bedienung von MAME an.</translation>
    </message>
    <message>
        <source>MAME Version</source>
        <translation>MAME-Version</translation>
    </message>
    <message>
        <source>Displays the version of the current MAME program.</source>
        <translation>Zeigt die Version des aktuellen MAME-Programms an.</translation>
    </message>
    <message>
        <source>Validate System</source>
        <translation>System validieren</translation>
    </message>
    <message>
        <source>Perform internal validation on every driver in the system.</source>
        <translation>Jeden Treiber des Systems intern validieren.</translation>
    </message>
    <message>
        <source>&amp;Help Using Pellmora</source>
        <translation>&amp;Hilfe zu Pellmora</translation>
    </message>
    <message>
        <source>Display help using this program.</source>
        <translation>Hilfe zur Bedienung dieses Programms anzeigen.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Pellmora...</source>
        <translation>Ü&amp;ber Pellmora...</translation>
    </message>
    <message>
        <source>Display information about the program.</source>
        <translation>Informationen über das Programm anzeigen.</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit the program.</source>
        <translation>Das Programm beenden.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Search for a game - Not case sensitive, Partial words allowed.</source>
        <translation>Nach einem Spiel suchen - Groß-/Kleinschreibung egal, Wortteile erlaubt.</translation>
    </message>
    <message>
        <source>Save the settings.</source>
        <translation>Die Einstellungen speichern.</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Delete the game image file for the currently selected game.</source>
        <translation>Die Bilddatei des gewählten Spiels löschen.</translation>
    </message>
    <message>
        <source>Delete Image</source>
        <translation>Bild löschen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Game image help.</source>
        <translation>Hilfe zum Spielbild.</translation>
    </message>
    <message>
        <source>Image Help</source>
        <translation>Bildhilfe</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;All Games</source>
        <translation>&amp;Alle Spiele</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not available in this version of the program.</source>
        <translation>„%1“ ist in dieser Version des Programms nicht verfügbar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not started: another command is still running.</source>
        <translation>„%1“ wurde nicht gestartet: ein anderer Befehl läuft noch.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>A&amp;lle</translation>
    </message>
</context>
<context>
    <name>Emulator</name>
    <message>
        <source>Stop requested: the emulator was asked to end.</source>
        <translation>Abbruch angefordert: der Emulator wurde gebeten, sich zu beenden.</translation>
    </message>
    <message>
        <source>The emulator ended on the stop request.</source>
        <translation>Der Emulator hat sich auf die Abbruchanforderung hin beendet.</translation>
    </message>
    <message>
        <source>The emulator had not ended %1 s after the stop request: it and the programs it started were killed.</source>
        <translation>Der Emulator hatte sich %1 s nach der Abbruchanforderung nicht beendet: er und die von ihm gestarteten Programme wurden zwangsweise beendet.</translation>
    </message>
    <message>
        <source>ExecNewProcess Error: %1</source>
        <translation>ExecNewProcess-Fehler: %1</translation>
    </message>
    <message>
        <source>Cannot perform this operation when process is running</source>
        <translation>Dieser Vorgang ist nicht möglich, solange ein Prozess läuft</translation>
    </message>
    <message>
        <source>%1 The problem code is %2 : %3</source>
        <translation>%1 Der Fehlercode ist %2 : %3</translation>
    </message>
    <message>
        <source>A problem was experienced.</source>
        <translation>Es ist ein Problem aufgetreten.</translation>
    </message>
    <message>
        <source>File %1 could not be found.</source>
        <translation>Die Datei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>A problem was experienced getting -showusage.</source>
        <translation>Beim Abrufen von -showusage ist ein Problem aufgetreten.</translation>
    </message>
    <message>
        <source>Validating the system may take a while to complete.
Do you want to continue to validate?</source>
        <translation>Das Validieren des Systems kann eine Weile dauern.
Möchten Sie mit dem Validieren fortfahren?</translation>
    </message>
    <message>
        <source>MAME VALIDATION: No issues found.</source>
        <translation>MAME-VALIDIERUNG: Keine Probleme gefunden.</translation>
    </message>
    <message>
        <source>A problem was experienced when generating the data file %1. The problem code is %2 : %3</source>
        <translation>Beim Erzeugen der Datendatei %1 ist ein Problem aufgetreten. Der Fehlercode ist %2 : %3</translation>
    </message>
    <message>
        <source>File %1 could not be created.</source>
        <translation>Die Datei %1 konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>Exceptions</name>
    <message>
        <source>Unknown exception</source>
        <translation>Unbekannte Ausnahme</translation>
    </message>
    <message>
        <source>GENERAL EXCEPTION ERROR: %1

</source>
        <translation>ALLGEMEINER AUSNAHMEFEHLER: %1

</translation>
    </message>
    <message>
        <source>The exception log file could not be written to 
%1</source>
        <translation>Die Ausnahme-Protokolldatei konnte nicht geschrieben werden in 
%1</translation>
    </message>
    <message>
        <source>Exception log file written to 
%1</source>
        <translation>Ausnahme-Protokolldatei geschrieben nach 
%1</translation>
    </message>
    <message>
        <source>GENERAL EXCEPTION ERROR</source>
        <translation>ALLGEMEINER AUSNAHMEFEHLER</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>Find</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>Su&amp;chen nach:</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>GameData</name>
    <message>
        <source>None</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Path to MAME.EXE/MAME64.EXE</source>
        <translation>Pfad zu MAME.EXE/MAME64.EXE</translation>
    </message>
    <message>
        <source>Total games supported:</source>
        <translation>Unterstützte Spiele:</translation>
    </message>
    <message>
        <source>Known games found:</source>
        <translation>Bekannte Spiele:</translation>
    </message>
    <message>
        <source>Unknown games found:</source>
        <translation>Unbekannte Spiele:</translation>
    </message>
    <message>
        <source>Date last scanned:</source>
        <translation>Zuletzt gesucht:</translation>
    </message>
    <message>
        <source>Date last verified:</source>
        <translation>Zuletzt geprüft:</translation>
    </message>
    <message>
        <source>Game folder:</source>
        <translation>Spieleordner:</translation>
    </message>
    <message>
        <source>Selected game:</source>
        <translation>Gewähltes Spiel:</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Die Datei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The file %1 could not be deleted: %2.</source>
        <translation>Die Datei %1 konnte nicht gelöscht werden: %2.</translation>
    </message>
    <message>
        <source>The directory %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Zip file %1 contains a problem.</source>
        <translation>Die Zip-Datei %1 enthält einen Fehler.</translation>
    </message>
    <message>
        <source>Are you certain you wish to delete the game: 

Name:	%1
File/Dir: 	%2</source>
        <translation>Möchten Sie dieses Spiel wirklich löschen: 

Name:	%1
Datei/Ordner: 	%2</translation>
    </message>
    <message>
        <source>Are you certain you wish to reset the game %1 ?</source>
        <translation>Möchten Sie das Spiel %1 wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Rename..</source>
        <translation>Umbenennen..</translation>
    </message>
    <message>
        <source>Enter the new name for %1</source>
        <translation>Den neuen Namen für %1 eingeben</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be given to a game: it must not be empty, start with &quot;.&quot; or &quot;-&quot;, or hold &quot;/&quot; or &quot;..&quot;.</source>
        <translation>Der Name „%1“ kann keinem Spiel gegeben werden: er darf nicht leer sein, nicht mit „.“ oder „-“ beginnen und weder „/“ noch „..“ enthalten.</translation>
    </message>
    <message>
        <source>Error renaming file/directory!

You either do not have permission to modify the file name OR another file with the same name already exists.</source>
        <translation>Fehler beim Umbenennen der Datei bzw. des Ordners!

Entweder dürfen Sie den Dateinamen nicht ändern, ODER es gibt bereits eine andere Datei mit diesem Namen.</translation>
    </message>
    <message>
        <source>Zip file %1 is OK.</source>
        <translation>Die Zip-Datei %1 ist in Ordnung.</translation>
    </message>
    <message>
        <source>No games to choose from.</source>
        <translation>Es gibt keine Spiele zur Auswahl.</translation>
    </message>
</context>
<context>
    <name>GameFilter</name>
    <message>
        <source>All games</source>
        <translation>Alle Spiele</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Lieblingsspiele</translation>
    </message>
    <message>
        <source>Not verified (&quot;%1&quot;)</source>
        <translation>Nicht geprüft („%1“)</translation>
    </message>
    <message>
        <source>Unknown games</source>
        <translation>Unbekannte Spiele</translation>
    </message>
    <message>
        <source>Recently played</source>
        <translation>Kürzlich gespielt</translation>
    </message>
    <message>
        <source>Never played</source>
        <translation>Nie gespielt</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Show only the games of one kind.</source>
        <translation>Nur die Spiele einer Art zeigen.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Show only the games whose name or file holds every word typed.</source>
        <translation>Nur die Spiele zeigen, deren Name oder Datei jedes eingegebene Wort enthält.</translation>
    </message>
</context>
<context>
    <name>GameImage</name>
    <message>
        <source>No Image</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>Warning: the snapshot %1 cannot be shown: %2</source>
        <translation>Warnung: das Bildschirmfoto %1 kann nicht angezeigt werden: %2</translation>
    </message>
    <message>
        <source>Snapshots of game images (SNAPs) are created during game play by pressing the F12 key.

In order to display the latest snapshot, take the picture of the game during play with the F12 key.
The image will be displayed when you use the Refresh button or switch back and forth in the game list.</source>
        <translation>Bildschirmfotos der Spiele (SNAPs) entstehen während des Spielens mit der Taste F12.

Um das neueste Bildschirmfoto anzuzeigen, nehmen Sie das Bild während des Spielens mit der Taste F12 auf.
Das Bild erscheint, wenn Sie die Schaltfläche Aktualisieren verwenden oder in der Spieleliste hin- und herwechseln.</translation>
    </message>
</context>
<context>
    <name>GameList</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Game Name</source>
        <translation>Spielname</translation>
    </message>
    <message>
        <source>File/Dir</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>End of search reached.
Start searching from the top?</source>
        <translation>Das Ende der Suche ist erreicht.
Von oben neu suchen?</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Pellmora Help</source>
        <translation>Pellmora-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Pellmora Help - %1</source>
        <translation>Pellmora-Hilfe - %1</translation>
    </message>
</context>
<context>
    <name>Identify</name>
    <message>
        <source>Identifying games (via the ROMIDENT switch) can be quite slow.
Do you wish to continue?</source>
        <translation>Das Identifizieren von Spielen (mit dem Schalter ROMIDENT) kann recht langsam sein.
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Processing. Press ESCAPE key to stop.</source>
        <translation>In Arbeit. Zum Abbrechen ESC drücken.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Game Image</source>
        <translation>Spielbild</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Game Data</source>
        <translation>Spieldaten</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
</context>
<context>
    <name>MameIni</name>
    <message>
        <source>A problem was experienced when trying to generate a default MAME.INI file. Please run the DOS command &quot;%1 -createconfig&quot; manually and try this program again. The problem code is %2 : %3</source>
        <translation>Beim Erzeugen einer Standarddatei MAME.INI ist ein Problem aufgetreten. Bitte führen Sie den Befehl „%1 -createconfig“ von Hand aus und starten Sie dieses Programm dann erneut. Der Fehlercode ist %2 : %3</translation>
    </message>
    <message>
        <source>The M.A.M.E. configuration file %1MAME.INI was not found.

Please run the DOS command &quot;%2 -createconfig&quot; manually and try this program again.</source>
        <translation>Die M.A.M.E.-Konfigurationsdatei %1MAME.INI wurde nicht gefunden.

Bitte führen Sie den Befehl „%2 -createconfig“ von Hand aus und starten Sie dieses Programm dann erneut.</translation>
    </message>
    <message>
        <source>The directory where all your games are supposed to be located (ie. rompath) could not be found.
According to your MAME.INI configuration file, the rompath is currently set to %1
Please edit the MAME.INI file and change the rompath to the appropriate value (eg. roms).</source>
        <translation>Der Ordner, in dem alle Ihre Spiele liegen sollen (d. h. rompath), wurde nicht gefunden.
Laut Ihrer Konfigurationsdatei MAME.INI ist rompath zurzeit auf %1 gesetzt
Bitte bearbeiten Sie die Datei MAME.INI und setzen Sie rompath auf den passenden Wert (z. B. roms).</translation>
    </message>
    <message>
        <source>The directory where game snap shots are supposed to be located (ie. snapshot_directory) could not be found.
According to your MAME.INI configuration file, the snapshot_directory is currently set to %1
Please edit the MAME.INI file and change the snapshot_directory to the appropriate value (eg. snap).</source>
        <translation>Der Ordner, in dem die Bildschirmfotos der Spiele liegen sollen (d. h. snapshot_directory), wurde nicht gefunden.
Laut Ihrer Konfigurationsdatei MAME.INI ist snapshot_directory zurzeit auf %1 gesetzt
Bitte bearbeiten Sie die Datei MAME.INI und setzen Sie snapshot_directory auf den passenden Wert (z. B. snap).</translation>
    </message>
    <message>
        <source>The directory where game configs are supposed to be located (ie. cfg_directory) could not be found.
According to your MAME.INI configuration file, the cfg_directory is currently set to %1
Please edit the MAME.INI file and change the cfg_directory to the appropriate value (eg. cfg).</source>
        <translation>Der Ordner, in dem die Spielkonfigurationen liegen sollen (d. h. cfg_directory), wurde nicht gefunden.
Laut Ihrer Konfigurationsdatei MAME.INI ist cfg_directory zurzeit auf %1 gesetzt
Bitte bearbeiten Sie die Datei MAME.INI und setzen Sie cfg_directory auf den passenden Wert (z. B. cfg).</translation>
    </message>
    <message>
        <source>The MAME.INI configuration file has the attribute &quot;readconfig&quot; set to &quot;0&quot;.
This means that the MAME emulator will not use the MAME.INI configuration file when playing games.
We suggest you change this value to &quot;1&quot;. This can be done from within this application.</source>
        <translation>In der Konfigurationsdatei MAME.INI steht der Eintrag „readconfig“ auf „0“.
Das bedeutet, dass der MAME-Emulator die Konfigurationsdatei MAME.INI beim Spielen nicht verwendet.
Wir empfehlen, diesen Wert auf „1“ zu ändern. Das geht auch in diesem Programm.</translation>
    </message>
    <message>
        <source>This game folder of the rompath in your MAME.INI configuration file could not be found:
%1

The games kept there cannot be played until it is back (a disk that is not mounted?). Until then, no scan removes them from the game list.</source>
        <translation>Dieser Spieleordner des rompath in Ihrer Konfigurationsdatei MAME.INI wurde nicht gefunden:
%1

Die Spiele darin können erst gespielt werden, wenn er wieder da ist (ein nicht eingehängtes Laufwerk?). Bis dahin entfernt keine Suche sie aus der Spieleliste.</translation>
    </message>
    <message>
        <source>These game folders of the rompath in your MAME.INI configuration file could not be found:
%1

The games kept there cannot be played until they are back (a disk that is not mounted?). Until then, no scan removes them from the game list.</source>
        <translation>Diese Spieleordner des rompath in Ihrer Konfigurationsdatei MAME.INI wurden nicht gefunden:
%1

Die Spiele darin können erst gespielt werden, wenn sie wieder da sind (ein nicht eingehängtes Laufwerk?). Bis dahin entfernt keine Suche sie aus der Spieleliste.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>MAME uses MAME.INI configuration file [readconfig]</source>
        <translation>MAME liest die Konfiguration MAME.INI [readconfig]</translation>
    </message>
    <message>
        <source>Control whether MAME.EXE emulator reads the config file MAME.INI</source>
        <translation>Legt fest, ob der Emulator MAME.EXE die Konfigurationsdatei MAME.INI liest</translation>
    </message>
    <message>
        <source>Cheat</source>
        <translation>Cheats</translation>
    </message>
    <message>
        <source>Support the use of cheats. You must obtain the 3rd party cheat.zip file in order for this to work.</source>
        <translation>Erlaubt Cheats. Dafür brauchen Sie die Datei cheat.zip eines Drittanbieters.</translation>
    </message>
    <message>
        <source>Verbose</source>
        <translation>Ausführlich</translation>
    </message>
    <message>
        <source>Display diagnostic information at startup.</source>
        <translation>Beim Start Diagnoseinformationen anzeigen.</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Control whether or not MAME looks for a mouse controller to use.</source>
        <translation>Legt fest, ob MAME nach einer Maus sucht.</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>Control whether or not MAME looks for joystick/gamepad controllers.</source>
        <translation>Legt fest, ob MAME nach Joysticks oder Gamepads sucht.</translation>
    </message>
    <message>
        <source>Steady key [steadykey]</source>
        <translation>Gleichzeitige Tasten [steadykey]</translation>
    </message>
    <message>
        <source>Make it easier to register simultaneous button presses (however controls are less responsive)</source>
        <translation>Erleichtert das Erkennen gleichzeitig gedrückter Tasten (die Steuerung reagiert dafür träger)</translation>
    </message>
    <message>
        <source>Don&apos;t display the game info screen [skip_gameinfo]</source>
        <translation>Keine Spielinfo anzeigen [skip_gameinfo]</translation>
    </message>
    <message>
        <source>Don&apos;t display the game info screen at start of game.</source>
        <translation>Den Infobildschirm zu Beginn des Spiels nicht anzeigen.</translation>
    </message>
    <message>
        <source>Command-line switches used when running MAME. (Please consider using MAME.INI instead)</source>
        <translation>Befehlszeilenschalter für den Start von MAME. (Besser MAME.INI verwenden)</translation>
    </message>
    <message>
        <source>Command-Line Switches</source>
        <translation>Befehlszeilenschalter</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Enable or disable sound alltogether.</source>
        <translation>Den Ton ganz ein- oder ausschalten.</translation>
    </message>
    <message>
        <source>Set the audio sample rate. Higher values (e.g. 44100) cause higher audio quality but slower emulation speed.</source>
        <translation>Die Abtastrate des Tons einstellen. Höhere Werte (z. B. 44100) ergeben besseren Klang, aber eine langsamere Emulation.</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>Antialiasing [antialias]</source>
        <translation>Kantenglättung [antialias]</translation>
    </message>
    <message>
        <source>Antialiasing for vector games.</source>
        <translation>Kantenglättung für Vektorspiele.</translation>
    </message>
    <message>
        <source>Hardware stretching [hwstrectch]</source>
        <translation>Hardware-Skalierung [hwstrectch]</translation>
    </message>
    <message>
        <source>Use hardware stretching abilities of graphics card to scale the game image to the requested resolution.</source>
        <translation>Das Spielbild mit der Grafikkarte auf die gewünschte Auflösung skalieren.</translation>
    </message>
    <message>
        <source>This controls the global gamma correction in the game.</source>
        <translation>Steuert die allgemeine Gammakorrektur im Spiel.</translation>
    </message>
    <message>
        <source>This controls the global brightness in the game.</source>
        <translation>Steuert die allgemeine Helligkeit im Spiel.</translation>
    </message>
    <message>
        <source>This controls the global contrast in the game.</source>
        <translation>Steuert den allgemeinen Kontrast im Spiel.</translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation>Gamma:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>Kontrast:</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>The game &quot;%1&quot; could not be found.
The game file [%2] does not appear to exist.

Try deleting the game OR click Scan For Games.</source>
        <translation>Das Spiel „%1“ wurde nicht gefunden.
Die Spieldatei [%2] scheint nicht zu existieren.

Löschen Sie das Spiel ODER klicken Sie auf Nach Spielen suchen.</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; cannot be played.
The game file [%2] begins with &quot;-&quot;, so M.A.M.E. would take it for an option.

Rename the file or folder without the leading &quot;-&quot;, then click Scan For Games.</source>
        <translation>Das Spiel „%1“ kann nicht gespielt werden.
Die Spieldatei [%2] beginnt mit „-“, daher hielte M.A.M.E. sie für eine Option.

Benennen Sie die Datei oder den Ordner ohne das führende „-“ um und klicken Sie dann auf Nach Spielen suchen.</translation>
    </message>
    <message>
        <source>%1 has not been verified to run correctly with M.A.M.E.
This means that the game may not function correctly.

Do you want to continue running the game?</source>
        <translation>Für %1 ist nicht geprüft, ob es mit M.A.M.E. richtig läuft.
Das Spiel funktioniert also möglicherweise nicht richtig.

Möchten Sie das Spiel trotzdem starten?</translation>
    </message>
    <message>
        <source>%1 has been verified and found NOT to function correctly with M.A.M.E.
This means that the game will not run as intented or probably will not run at all.

Do you want to continue running the game?</source>
        <translation>%1 wurde geprüft und läuft NICHT richtig mit M.A.M.E.
Das Spiel wird also nicht wie vorgesehen oder wahrscheinlich gar nicht laufen.

Möchten Sie das Spiel trotzdem starten?</translation>
    </message>
    <message>
        <source>There was a problem running the game %1. The problem code is %2</source>
        <translation>Beim Ausführen des Spiels %1 ist ein Problem aufgetreten. Der Fehlercode ist %2</translation>
    </message>
    <message>
        <source>Started %1</source>
        <translation>Gestartet %1</translation>
    </message>
    <message>
        <source>Finished %1</source>
        <translation>Beendet %1</translation>
    </message>
</context>
<context>
    <name>PlayHistory</name>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Zuletzt gespielt</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Spielzeit</translation>
    </message>
</context>
<context>
    <name>Scan</name>
    <message>
        <source>The game folder %1 holds none of the %2 game(s) in the list.

If the folder is on a disk that is not mounted, or is not the right folder, removing them loses every favourite mark and status.

Remove all the games from the list?</source>
        <translation>Der Spieleordner %1 enthält keines der %2 Spiele der Liste.

Liegt der Ordner auf einem nicht eingehängten Laufwerk oder ist es nicht der richtige Ordner, gehen beim Entfernen alle Lieblingsmarkierungen und jeder Status verloren.

Alle Spiele aus der Liste entfernen?</translation>
    </message>
    <message>
        <source>%1 missing game(s) removed from the list.</source>
        <translation>%1 fehlende(s) Spiel(e) aus der Liste entfernt.</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>The game folder %1 cannot be read, so the game list was left as it is.</source>
        <translation>Der Spieleordner %1 kann nicht gelesen werden; die Spieleliste bleibt daher unverändert.</translation>
    </message>
    <message>
        <source>Scan stopped: the game list was kept as it was.</source>
        <translation>Suche abgebrochen: die Spieleliste blieb unverändert.</translation>
    </message>
    <message>
        <source>No new games found.</source>
        <translation>Keine neuen Spiele gefunden.</translation>
    </message>
    <message>
        <source>%1 new games added to the list.

Before you can run any game, you must &quot;verify&quot; it.

Would you like to verify ALL GAMES now?</source>
        <translation>%1 neue Spiele zur Liste hinzugefügt.

Bevor Sie ein Spiel starten können, müssen Sie es „prüfen“.

Möchten Sie jetzt ALLE SPIELE prüfen?</translation>
    </message>
    <message>
        <source>Skipped %1: %2</source>
        <translation>%1 übersprungen: %2</translation>
    </message>
    <message>
        <source>%1: the emulator looks for %2 and on this system will not find the game under a name with capitals; rename the folder to %3 (mv %1 %2 in the game folder).</source>
        <translation>%1: der Emulator sucht nach %2 und findet das Spiel auf diesem System nicht unter einem Namen mit Großbuchstaben; benennen Sie den Ordner in %3 um (mv %1 %2 im Spieleordner).</translation>
    </message>
    <message>
        <source>%1: the emulator looks for %2 and on this system will not find the game under a name with capitals; rename the file to %3 (mv %1 %2 in the game folder).</source>
        <translation>%1: der Emulator sucht nach %2 und findet das Spiel auf diesem System nicht unter einem Namen mit Großbuchstaben; benennen Sie die Datei in %3 um (mv %1 %2 im Spieleordner).</translation>
    </message>
    <message>
        <source>Removing &quot;%1&quot; %2</source>
        <translation>Entferne „%1“ %2</translation>
    </message>
    <message>
        <source>a name beginning with &quot;-&quot; would reach the emulator as an option.</source>
        <translation>ein Name, der mit „-“ beginnt, käme beim Emulator als Option an.</translation>
    </message>
    <message>
        <source>a name holding a line break cannot be kept in the game list.</source>
        <translation>ein Name mit einem Zeilenumbruch kann nicht in der Spieleliste stehen.</translation>
    </message>
    <message>
        <source>Skipped folder %1: the emulator takes a name ending in .zip or .7z for an archive, not a folder.</source>
        <translation>Ordner %1 übersprungen: der Emulator hält einen Namen mit der Endung .zip oder .7z für ein Archiv, nicht für einen Ordner.</translation>
    </message>
    <message>
        <source>the name is not valid text in the system&apos;s encoding, so it cannot be given to the emulator.</source>
        <translation>der Name ist in der Zeichenkodierung des Systems kein gültiger Text und kann dem Emulator daher nicht übergeben werden.</translation>
    </message>
    <message>
        <source>Adding &quot;%1&quot; %2</source>
        <translation>Füge „%1“ %2 hinzu</translation>
    </message>
    <message>
        <source>Adding %1 %2</source>
        <translation>Füge %1 %2 hinzu</translation>
    </message>
    <message>
        <source>The game folders %1 cannot be read, so the game list was left as it is.</source>
        <translation>Die Spieleordner %1 können nicht gelesen werden; die Spieleliste bleibt daher unverändert.</translation>
    </message>
    <message>
        <source>The game folders %1 hold none of the %2 game(s) in the list.

If a folder is on a disk that is not mounted, or is not the right folder, removing them loses every favourite mark and status.

Remove all the games from the list?</source>
        <translation>Die Spieleordner %1 enthalten keines der %2 Spiele der Liste.

Liegt ein Ordner auf einem nicht eingehängten Laufwerk oder ist es nicht der richtige Ordner, gehen beim Entfernen alle Lieblingsmarkierungen und jeder Status verloren.

Alle Spiele aus der Liste entfernen?</translation>
    </message>
    <message>
        <source>The game folder %1 cannot be read: no game is removed from the list until it is back.</source>
        <translation>Der Spieleordner %1 kann nicht gelesen werden: bis er wieder da ist, wird kein Spiel aus der Liste entfernt.</translation>
    </message>
</context>
<context>
    <name>SearchForMAME</name>
    <message>
        <source>MAME.EXE or MAME64.EXE was not found in %1</source>
        <translation>MAME.EXE oder MAME64.EXE wurde in %1 nicht gefunden</translation>
    </message>
    <message>
        <source>The M.A.M.E. program file found is currently version %1
The minimum version required is %2</source>
        <translation>Die gefundene M.A.M.E.-Programmdatei hat die Version %1
Mindestens erforderlich ist die Version %2</translation>
    </message>
    <message>
        <source>The M.A.M.E. program file %1 is currently version %2
The minimum version required is %3</source>
        <translation>Die M.A.M.E.-Programmdatei %1 hat die Version %2
Mindestens erforderlich ist die Version %3</translation>
    </message>
    <message>
        <source>Select folder where MAME.EXE or MAME64.EXE is located.</source>
        <translation>Den Ordner wählen, in dem MAME.EXE oder MAME64.EXE liegt.</translation>
    </message>
    <message>
        <source>Search for MAME</source>
        <translation>Nach MAME suchen</translation>
    </message>
    <message>
        <source>Drive to search:</source>
        <translation>Zu durchsuchendes Laufwerk:</translation>
    </message>
    <message>
        <source>Select a drive to search.</source>
        <translation>Ein Laufwerk zum Durchsuchen wählen.</translation>
    </message>
    <message>
        <source>Search Drive</source>
        <translation>Laufwerk durchsuchen</translation>
    </message>
    <message>
        <source>Search for MAME.EXE or MAME64.EXE in the selected drive.</source>
        <translation>Im gewählten Laufwerk nach MAME.EXE oder MAME64.EXE suchen.</translation>
    </message>
    <message>
        <source>Search Path</source>
        <translation>Pfad durchsuchen</translation>
    </message>
    <message>
        <source>Search for MAME.EXE or MAME64.EXE under a chosen path.</source>
        <translation>Unter einem gewählten Pfad nach MAME.EXE oder MAME64.EXE suchen.</translation>
    </message>
    <message>
        <source>Search Results:</source>
        <translation>Suchergebnisse:</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Gewählt:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Select path from search results.</source>
        <translation>Einen Pfad aus den Suchergebnissen wählen.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this dialog box.</source>
        <translation>Dieses Dialogfeld schließen.</translation>
    </message>
    <message>
        <source>Searching %1 ...</source>
        <translation>Durchsuche %1 ...</translation>
    </message>
    <message>
        <source>Searching %1</source>
        <translation>Durchsuche %1</translation>
    </message>
    <message>
        <source>Finished.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>%1 selected.</source>
        <translation>%1 gewählt.</translation>
    </message>
    <message>
        <source>

Do you want to browse to the MAME website where you can download the latest version of MAME?</source>
        <translation>

Möchten Sie die MAME-Website öffnen, auf der Sie die neueste Version von MAME herunterladen können?</translation>
    </message>
    <message>
        <source>The selected M.A.M.E. application file is an old version.
The minimum required version is %1</source>
        <translation>Die gewählte M.A.M.E.-Programmdatei ist eine alte Version.
Mindestens erforderlich ist die Version %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The path to the M.A.M.E. program file MAME.EXE or MAME64.EXE has not been set.
Click on OK to initiate a search.</source>
        <translation>Der Pfad zur M.A.M.E.-Programmdatei MAME.EXE oder MAME64.EXE ist nicht festgelegt.
Klicken Sie auf OK, um eine Suche zu starten.</translation>
    </message>
    <message>
        <source>The M.A.M.E. program file MAME.EXE or MAME64.EXE was not found in the path %1
Click on OK to initiate a search.</source>
        <translation>Die M.A.M.E.-Programmdatei MAME.EXE oder MAME64.EXE wurde im Pfad %1 nicht gefunden
Klicken Sie auf OK, um eine Suche zu starten.</translation>
    </message>
    <message>
        <source>Warning: %1 line(s) of %2 had more than four cells; the cells past the fourth were dropped.</source>
        <translation>Warnung: %1 Zeile(n) von %2 hatten mehr als vier Zellen; die Zellen nach der vierten wurden verworfen.</translation>
    </message>
    <message>
        <source>The Pellmora game list file (Pellmora.DAT) was not found.
The program will now generate a new one.

This may take a while to complete.
Click OK to continue.</source>
        <translation>Die Pellmora-Spielelistendatei (Pellmora.DAT) wurde nicht gefunden.
Das Programm legt jetzt eine neue an.

Das kann eine Weile dauern.
Klicken Sie auf OK, um fortzufahren.</translation>
    </message>
    <message>
        <source>Current screen resolution is %1 x %2
The recommended minimum size is 800 x 600</source>
        <translation>Die aktuelle Bildschirmauflösung ist %1 x %2
Empfohlen sind mindestens 800 x 600</translation>
    </message>
</context>
<context>
    <name>StylePreview</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Play Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Search for a game:</source>
        <translation>Nach einem Spiel suchen:</translation>
    </message>
</context>
<context>
    <name>TextViewer</name>
    <message>
        <source>Pellmora - Text Viewer</source>
        <translation>Pellmora - Textanzeige</translation>
    </message>
    <message>
        <source>&amp;Search F3</source>
        <translation>&amp;Suchen F3</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Search string &quot;%1&quot; not found.</source>
        <translation>Suchtext „%1“ nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <source>Please wait..</source>
        <translation>Bitte warten..</translation>
    </message>
    <message>
        <source>the emulator would read it as an option</source>
        <translation>der Emulator würde ihn als Option lesen</translation>
    </message>
    <message>
        <source>the emulator would read it as a pattern of several games</source>
        <translation>der Emulator würde ihn als Muster für mehrere Spiele lesen</translation>
    </message>
    <message>
        <source>Verifying all games... %1% Complete</source>
        <translation>Prüfe alle Spiele... %1% erledigt</translation>
    </message>
    <message>
        <source>Stopped by user.</source>
        <translation>Vom Benutzer abgebrochen.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Verifying unknown games may take some time to complete.
Do you want to ignore verifying [UNKNOWN] games or verify ALL games?</source>
        <translation>Das Prüfen unbekannter Spiele kann einige Zeit dauern.
Möchten Sie [UNBEKANNTE] Spiele beim Prüfen auslassen oder ALLE Spiele prüfen?</translation>
    </message>
    <message>
        <source>No report exists.
Use Verify All Game to product a report.</source>
        <translation>Es gibt keinen Bericht.
Mit Alle Spiele prüfen erstellen Sie einen Bericht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not verified: %2</source>
        <translation>„%1“ wird nicht geprüft: %2</translation>
    </message>
    <message>
        <source> (including %1 games the filter hides)</source>
        <translation> (darunter %1 vom Filter verborgene Spiele)</translation>
    </message>
</context>
<context>
    <name>VerifyReason</name>
    <message>
        <source>1 belongs to the parent or BIOS set %2</source>
        <translation>1 gehört zum Eltern- oder BIOS-Satz %2</translation>
    </message>
    <message>
        <source>%1 belong to the parent or BIOS set %2</source>
        <translation>%1 gehören zum Eltern- oder BIOS-Satz %2</translation>
    </message>
    <message>
        <source>1 belongs to the set %2</source>
        <translation>1 gehört zum Satz %2</translation>
    </message>
    <message>
        <source>%1 belong to the set %2</source>
        <translation>%1 gehören zum Satz %2</translation>
    </message>
    <message>
        <source>1 file missing</source>
        <translation>1 Datei fehlt</translation>
    </message>
    <message>
        <source>%1 files missing</source>
        <translation>%1 Dateien fehlen</translation>
    </message>
    <message>
        <source> (%1, not in your folder)</source>
        <translation> (%1, nicht in Ihrem Ordner)</translation>
    </message>
    <message>
        <source>the disk image (CHD) %1 is missing</source>
        <translation>das Disk-Image (CHD) %1 fehlt</translation>
    </message>
    <message>
        <source>1 file with a wrong checksum</source>
        <translation>1 Datei mit falscher Prüfsumme</translation>
    </message>
    <message>
        <source>%1 files with a wrong checksum</source>
        <translation>%1 Dateien mit falscher Prüfsumme</translation>
    </message>
    <message>
        <source>1 file of the wrong length</source>
        <translation>1 Datei mit falscher Länge</translation>
    </message>
    <message>
        <source>%1 files of the wrong length</source>
        <translation>%1 Dateien mit falscher Länge</translation>
    </message>
    <message>
        <source>1 file has no known good dump</source>
        <translation>für 1 Datei ist kein guter Dump bekannt</translation>
    </message>
    <message>
        <source>%1 files have no known good dump</source>
        <translation>für %1 Dateien ist kein guter Dump bekannt</translation>
    </message>
    <message>
        <source>1 optional file missing</source>
        <translation>1 optionale Datei fehlt</translation>
    </message>
    <message>
        <source>%1 optional files missing</source>
        <translation>%1 optionale Dateien fehlen</translation>
    </message>
    <message>
        <source>the emulator said nothing about this set</source>
        <translation>der Emulator hat zu diesem Satz nichts gesagt</translation>
    </message>
    <message>
        <source>the emulator said: </source>
        <translation>der Emulator sagte: </translation>
    </message>
    <message>
        <source>the parent or BIOS set %1 is missing</source>
        <translation>der Eltern- oder BIOS-Satz %1 fehlt</translation>
    </message>
    <message>
        <source>the set %1 is missing</source>
        <translation>der Satz %1 fehlt</translation>
    </message>
    <message>
        <source>the emulator does not know this name</source>
        <translation>der Emulator kennt diesen Namen nicht</translation>
    </message>
    <message>
        <source>the emulator found none of this set&apos;s files</source>
        <translation>der Emulator hat keine Datei dieses Satzes gefunden</translation>
    </message>
    <message>
        <source>this set needs no files, so there is nothing to check</source>
        <translation>dieser Satz braucht keine Dateien, es gibt also nichts zu prüfen</translation>
    </message>
    <message>
        <source>every file the emulator knows a good dump of is right</source>
        <translation>jede Datei, von der der Emulator einen guten Dump kennt, ist richtig</translation>
    </message>
    <message>
        <source>Good: every file is right</source>
        <translation>Good: jede Datei ist richtig</translation>
    </message>
    <message>
        <source>Bad: </source>
        <translation>Bad: </translation>
    </message>
    <message>
        <source>? (best available): </source>
        <translation>? (bestmöglich): </translation>
    </message>
    <message>
        <source>?: </source>
        <translation>?: </translation>
    </message>
    <message>
        <source>Status set by hand; not verified since</source>
        <translation>Status von Hand gesetzt; seitdem nicht geprüft</translation>
    </message>
    <message>
        <source>Status set by hand; the last verification said: %1</source>
        <translation>Status von Hand gesetzt; die letzte Prüfung ergab: %1</translation>
    </message>
</context>
</TS>
