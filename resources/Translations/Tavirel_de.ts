<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
  <context>
    <name>AddDevicePopup</name>
    <message>
      <source>Address</source>
      <translation>Adresse</translation>
    </message>
    <message>
      <source>Serial number</source>
      <translation>Seriennummer</translation>
    </message>
    <message>
      <source>Username</source>
      <translation>Benutzername</translation>
    </message>
    <message>
      <source>Password</source>
      <translation>Passwort</translation>
    </message>
  </context>
  <context>
    <name>AddUrlDialog</name>
    <message>
      <source>Stream URL</source>
      <translation>Stream-URL</translation>
    </message>
  </context>
  <context>
    <name>AuthenticationPopup</name>
    <message>
      <source>Username</source>
      <translation>Benutzername</translation>
    </message>
    <message>
      <source>Password</source>
      <translation>Passwort</translation>
    </message>
  </context>
  <context>
    <name>ConnectionScreen</name>
    <message>
      <source>Connecting to Tavirel...</source>
      <translation>Verbindung zum Tavirel wird hergestellt...</translation>
    </message>
  </context>
  <context>
    <name>DynamicTranslator</name>
    <message>
      <source>Tracks</source>
      <translation>Titel</translation>
    </message>
    <message>
      <source>Albums</source>
      <translation>Alben</translation>
    </message>
    <message>
      <source>Artists</source>
      <translation>Interpreten</translation>
    </message>
    <message>
      <source>All services</source>
      <translation>Alle Dienste</translation>
    </message>
    <message>
      <source>Spotify</source>
      <translation>Spotify</translation>
    </message>
    <message>
      <source>Spotify browse</source>
      <translation>Spotify durchsuchen</translation>
    </message>
    <message>
      <source>Local files</source>
      <translation>Lokale Dateien</translation>
    </message>
    <message>
      <source>Local playlists</source>
      <translation>Lokale Playlists</translation>
    </message>
    <message>
      <source>Podcasts</source>
      <translation>Podcasts</translation>
    </message>
    <message>
      <source>iTunes Store: Podcasts</source>
      <translation>iTunes Store: Podcasts</translation>
    </message>
    <message>
      <source>Dirble</source>
      <translation>Dirble</translation>
    </message>
    <message>
      <source>TuneIn</source>
      <translation>TuneIn</translation>
    </message>
    <message>
      <source>SoundCloud</source>
      <translation>SoundCloud</translation>
    </message>
    <message>
      <source>Google Music</source>
      <translation>Google Music</translation>
    </message>
    <message>
      <source>Internet Archive</source>
      <translation>Internet Archive</translation>
    </message>
    <message>
      <source>Soma FM</source>
      <translation>Soma FM</translation>
    </message>
    <message>
      <source>YouTube</source>
      <translation>YouTube</translation>
    </message>
    <message>
      <source>AudioAddict</source>
      <translation>AudioAddict</translation>
    </message>
    <message>
      <source>Subsonic</source>
      <translation>Subsonic</translation>
    </message>
    <message>
      <source>Play Now</source>
      <translation>Jetzt abspielen</translation>
    </message>
    <message>
      <source>Play All Now</source>
      <translation>Alle jetzt abspielen</translation>
    </message>
    <message>
      <source>Play Track Next</source>
      <translation>Als Nächstes abspielen</translation>
    </message>
    <message>
      <source>Add to Queue</source>
      <translation>Zur Warteschlange hinzufügen</translation>
    </message>
    <message>
      <source>Add All to Queue</source>
      <translation>Alle zur Warteschlange hinzufügen</translation>
    </message>
    <message>
      <source>Add to Playlist</source>
      <translation>Zur Playlist hinzufügen</translation>
    </message>
    <message>
      <source>Add All to Playlist</source>
      <translation>Alle zur Playlist hinzufügen</translation>
    </message>
    <message>
      <source>Remove from Queue</source>
      <translation>Aus der Warteschlange entfernen</translation>
    </message>
    <message>
      <source>Show Album</source>
      <translation>Album anzeigen</translation>
    </message>
    <message>
      <source>Rename</source>
      <translation>Umbenennen</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Löschen</translation>
    </message>
    <message>
      <source>Associate</source>
      <translation>Zuordnen</translation>
    </message>
    <message>
      <source>Hardware version</source>
      <translation>Hardware-Version</translation>
    </message>
    <message>
      <source>Firmware version</source>
      <translation>Firmware-Version</translation>
    </message>
    <message>
      <source>Expansions</source>
      <translation>Erweiterungen</translation>
    </message>
    <message>
      <source>Model</source>
      <translation>Modell</translation>
    </message>
    <message>
      <source>Serial</source>
      <translation>Seriennummer</translation>
    </message>
    <message>
      <source>This Tavirel</source>
      <translation>Dieses Tavirel</translation>
    </message>
    <message>
      <source>Outputs</source>
      <translation>Ausgänge</translation>
    </message>
    <message>
      <source>Sources</source>
      <translation>Quellen</translation>
    </message>
    <message>
      <source>Users</source>
      <translation>Benutzer</translation>
    </message>
    <message>
      <source>Mix</source>
      <translation>Mischen</translation>
    </message>
    <message>
      <source>USB</source>
      <translation>USB</translation>
    </message>
    <message>
      <source>Network storage</source>
      <translation>Netzwerkspeicher</translation>
    </message>
    <message>
      <source>Services</source>
      <translation>Dienste</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Name</translation>
    </message>
    <message>
      <source>Minimum volume</source>
      <translation>Mindestlautstärke</translation>
    </message>
    <message>
      <source>Maximum volume</source>
      <translation>Höchstlautstärke</translation>
    </message>
    <message>
      <source>Enable mono</source>
      <translation>Mono aktivieren</translation>
    </message>
    <message>
      <source>Name when mono</source>
      <translation>Name im Mono-Betrieb</translation>
    </message>
    <message>
      <source>Permits only some inputs</source>
      <translation>Nur bestimmte Eingänge zulassen</translation>
    </message>
    <message>
      <source>Mix volume</source>
      <translation>Mischlautstärke</translation>
    </message>
    <message>
      <source>Preamplified volume</source>
      <translation>Vorverstärkte Lautstärke</translation>
    </message>
    <message>
      <source>Icon</source>
      <translation>Symbol</translation>
    </message>
    <message>
      <source>Refresh libraries</source>
      <translation>Bibliotheken aktualisieren</translation>
    </message>
    <message>
      <source>Automatically play when inserted</source>
      <translation>Beim Einstecken automatisch abspielen</translation>
    </message>
    <message>
      <source>Player to use</source>
      <translation>Zu verwendender Player</translation>
    </message>
    <message>
      <source>NAS</source>
      <translation>NAS</translation>
    </message>
    <message>
      <source>Path</source>
      <translation>Pfad</translation>
    </message>
    <message>
      <source>Username</source>
      <translation>Benutzername</translation>
    </message>
    <message>
      <source>Password</source>
      <translation>Passwort</translation>
    </message>
    <message>
      <source>Country</source>
      <translation>Land</translation>
    </message>
    <message>
      <source>Tunein</source>
      <translation>Tunein</translation>
    </message>
    <message>
      <source>iTunes Podcasts</source>
      <translation>iTunes-Podcasts</translation>
    </message>
    <message>
      <source>Enabled</source>
      <translation>Aktiviert</translation>
    </message>
    <message>
      <source>Players</source>
      <translation>Player</translation>
    </message>
  </context>
  <context>
    <name>MainTabController</name>
    <message>
      <source>Authentication required</source>
      <translation>Anmeldung erforderlich</translation>
    </message>
    <message>
      <source>The username and password you provided are not correct or are not valid anymore. Please provide a new username and password.</source>
      <translation>Der angegebene Benutzername und das Passwort sind nicht korrekt oder nicht mehr gültig. Bitte geben Sie einen neuen Benutzernamen und ein neues Passwort ein.</translation>
    </message>
    <message>
      <source>Login</source>
      <translation>Anmelden</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>Add Tavirel manually</source>
      <translation>Tavirel manuell hinzufügen</translation>
    </message>
    <message>
      <source>Add</source>
      <translation>Hinzufügen</translation>
    </message>
    <message>
      <source>Tavirel Connection</source>
      <translation>Tavirel-Verbindung</translation>
    </message>
    <message>
      <source>Confirm connection to the selected Tavirel?</source>
      <translation>Verbindung mit dem ausgewählten Tavirel bestätigen?</translation>
    </message>
    <message>
      <source>Connect to Tavirel with your Tavirel account</source>
      <translation>Mit Ihrem Tavirel-Konto mit dem Tavirel verbinden</translation>
    </message>
    <message>
      <source>Connect</source>
      <translation>Verbinden</translation>
    </message>
  </context>
  <context>
    <name>PlayerView</name>
    <message>
      <source>No source selected</source>
      <translation>Keine Quelle ausgewählt</translation>
    </message>
    <message>
      <source>Outputs</source>
      <translation>Ausgänge</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Speichern</translation>
    </message>
    <message>
      <source>Save current queue to a new playlist with name</source>
      <translation>Aktuelle Warteschlange als neue Playlist speichern mit dem Namen</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>Add Url</source>
      <translation>URL hinzufügen</translation>
    </message>
    <message>
      <source>Add</source>
      <translation>Hinzufügen</translation>
    </message>
    <message>
      <source>Nothing playing</source>
      <translation>Es wird nichts abgespielt</translation>
    </message>
  </context>
  <context>
    <name>PlaylistSaveDialog</name>
    <message>
      <source>Name</source>
      <translation>Name</translation>
    </message>
  </context>
  <context>
    <name>PopupFrame</name>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
  </context>
  <context>
    <name>SettingsView</name>
    <message>
      <source>Settings</source>
      <translation>Einstellungen</translation>
    </message>
    <message>
      <source>Tavirel</source>
      <translation>Tavirel</translation>
    </message>
    <message>
      <source>No Tavirel selected</source>
      <translation>Kein Tavirel ausgewählt</translation>
    </message>
    <message>
      <source>Connected</source>
      <translation>Verbunden</translation>
    </message>
    <message>
      <source>Not connected</source>
      <translation>Nicht verbunden</translation>
    </message>
    <message>
      <source>Add a Tavirel to start.</source>
      <translation>Fügen Sie ein Tavirel hinzu, um zu beginnen.</translation>
    </message>
    <message>
      <source>Add Tavirel manually</source>
      <translation>Tavirel manuell hinzufügen</translation>
    </message>
  </context>
  <context>
    <name>SourcesView</name>
    <message>
      <source>Playing on %1</source>
      <translation>Läuft auf %1</translation>
    </message>
    <message>
      <source>Not routed</source>
      <translation>Nicht zugeordnet</translation>
    </message>
    <message>
      <source>Sources</source>
      <translation>Quellen</translation>
    </message>
    <message>
      <source>Outputs</source>
      <translation>Ausgänge</translation>
    </message>
    <message>
      <source>No source</source>
      <translation>Keine Quelle</translation>
    </message>
  </context>
  <context>
    <name>TavirelConnThread</name>
    <message>
      <source>Connecting to Tavirel...</source>
      <translation>Verbindung zum Tavirel wird hergestellt...</translation>
    </message>
    <message>
      <source>Disconnected.</source>
      <translation>Getrennt.</translation>
    </message>
    <message>
      <source>Authentication in progress...</source>
      <translation>Anmeldung läuft...</translation>
    </message>
    <message>
      <source>Tavirel not reachable or connectivity problems.</source>
      <translation>Tavirel nicht erreichbar oder Verbindungsprobleme.</translation>
    </message>
    <message>
      <source>Authentication failed.</source>
      <translation>Anmeldung fehlgeschlagen.</translation>
    </message>
  </context>
  <context>
    <name>main</name>
    <message>
      <source>Sources</source>
      <translation>Quellen</translation>
    </message>
    <message>
      <source>Player</source>
      <translation>Player</translation>
    </message>
    <message>
      <source>Settings</source>
      <translation>Einstellungen</translation>
    </message>
  </context>
</TS>