<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
</TS>
