<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
  <context>
    <name>AddDevicePopup</name>
    <message>
      <source>Address</source>
      <translation>Indirizzo</translation>
    </message>
    <message>
      <source>Serial number</source>
      <translation>Numero di serie</translation>
    </message>
    <message>
      <source>Username</source>
      <translation>Nome utente</translation>
    </message>
    <message>
      <source>Password</source>
      <translation>Password</translation>
    </message>
  </context>
  <context>
    <name>AddUrlDialog</name>
    <message>
      <source>Stream URL</source>
      <translation>URL dello stream</translation>
    </message>
  </context>
  <context>
    <name>AuthenticationPopup</name>
    <message>
      <source>Username</source>
      <translation>Nome utente</translation>
    </message>
    <message>
      <source>Password</source>
      <translation>Password</translation>
    </message>
  </context>
  <context>
    <name>ConnectionScreen</name>
    <message>
      <source>Connecting to Tavirel...</source>
      <translation>Connessione al Tavirel in corso...</translation>
    </message>
  </context>
  <context>
    <name>DynamicTranslator</name>
    <message>
      <source>Tracks</source>
      <translation>Brani</translation>
    </message>
    <message>
      <source>Albums</source>
      <translation>Album</translation>
    </message>
    <message>
      <source>Artists</source>
      <translation>Artisti</translation>
    </message>
    <message>
      <source>All services</source>
      <translation>Tutti i servizi</translation>
    </message>
    <message>
      <source>Spotify</source>
      <translation>Spotify</translation>
    </message>
    <message>
      <source>Spotify browse</source>
      <translation>Sfoglia Spotify</translation>
    </message>
    <message>
      <source>Local files</source>
      <translation>File locali</translation>
    </message>
    <message>
      <source>Local playlists</source>
      <translation>Playlist locali</translation>
    </message>
    <message>
      <source>Podcasts</source>
      <translation>Podcast</translation>
    </message>
    <message>
      <source>iTunes Store: Podcasts</source>
      <translation>iTunes Store: Podcast</translation>
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
      <translation>Riproduci ora</translation>
    </message>
    <message>
      <source>Play All Now</source>
      <translation>Riproduci tutto ora</translation>
    </message>
    <message>
      <source>Play Track Next</source>
      <translation>Riproduci come successivo</translation>
    </message>
    <message>
      <source>Add to Queue</source>
      <translation>Aggiungi alla coda</translation>
    </message>
    <message>
      <source>Add All to Queue</source>
      <translation>Aggiungi tutto alla coda</translation>
    </message>
    <message>
      <source>Add to Playlist</source>
      <translation>Aggiungi alla playlist</translation>
    </message>
    <message>
      <source>Add All to Playlist</source>
      <translation>Aggiungi tutto alla playlist</translation>
    </message>
    <message>
      <source>Remove from Queue</source>
      <translation>Rimuovi dalla coda</translation>
    </message>
    <message>
      <source>Show Album</source>
      <translation>Mostra album</translation>
    </message>
    <message>
      <source>Rename</source>
      <translation>Rinomina</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Elimina</translation>
    </message>
    <message>
      <source>Associate</source>
      <translation>Associa</translation>
    </message>
    <message>
      <source>Hardware version</source>
      <translation>Versione hardware</translation>
    </message>
    <message>
      <source>Firmware version</source>
      <translation>Versione firmware</translation>
    </message>
    <message>
      <source>Expansions</source>
      <translation>Espansioni</translation>
    </message>
    <message>
      <source>Model</source>
      <translation>Modello</translation>
    </message>
    <message>
      <source>Serial</source>
      <translation>Numero di serie</translation>
    </message>
    <message>
      <source>This Tavirel</source>
      <translation>Questo Tavirel</translation>
    </message>
    <message>
      <source>Outputs</source>
      <translation>Uscite</translation>
    </message>
    <message>
      <source>Sources</source>
      <translation>Sorgenti</translation>
    </message>
    <message>
      <source>Users</source>
      <translation>Utenti</translation>
    </message>
    <message>
      <source>Mix</source>
      <translation>Mix</translation>
    </message>
    <message>
      <source>USB</source>
      <translation>USB</translation>
    </message>
    <message>
      <source>Network storage</source>
      <translation>Archivio di rete</translation>
    </message>
    <message>
      <source>Services</source>
      <translation>Servizi</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nome</translation>
    </message>
    <message>
      <source>Minimum volume</source>
      <translation>Volume minimo</translation>
    </message>
    <message>
      <source>Maximum volume</source>
      <translation>Volume massimo</translation>
    </message>
    <message>
      <source>Enable mono</source>
      <translation>Attiva mono</translation>
    </message>
    <message>
      <source>Name when mono</source>
      <translation>Nome in modalità mono</translation>
    </message>
    <message>
      <source>Permits only some inputs</source>
      <translation>Consente solo alcuni ingressi</translation>
    </message>
    <message>
      <source>Mix volume</source>
      <translation>Volume del mix</translation>
    </message>
    <message>
      <source>Preamplified volume</source>
      <translation>Volume preamplificato</translation>
    </message>
    <message>
      <source>Icon</source>
      <translation>Icona</translation>
    </message>
    <message>
      <source>Refresh libraries</source>
      <translation>Aggiorna le librerie</translation>
    </message>
    <message>
      <source>Automatically play when inserted</source>
      <translation>Riproduci automaticamente all'inserimento</translation>
    </message>
    <message>
      <source>Player to use</source>
      <translation>Lettore da usare</translation>
    </message>
    <message>
      <source>NAS</source>
      <translation>NAS</translation>
    </message>
    <message>
      <source>Path</source>
      <translation>Percorso</translation>
    </message>
    <message>
      <source>Username</source>
      <translation>Nome utente</translation>
    </message>
    <message>
      <source>Password</source>
      <translation>Password</translation>
    </message>
    <message>
      <source>Country</source>
      <translation>Paese</translation>
    </message>
    <message>
      <source>Tunein</source>
      <translation>Tunein</translation>
    </message>
    <message>
      <source>iTunes Podcasts</source>
      <translation>Podcast iTunes</translation>
    </message>
    <message>
      <source>Enabled</source>
      <translation>Attivo</translation>
    </message>
    <message>
      <source>Players</source>
      <translation>Lettori</translation>
    </message>
  </context>
  <context>
    <name>MainTabController</name>
    <message>
      <source>Authentication required</source>
      <translation>Autenticazione richiesta</translation>
    </message>
    <message>
      <source>The username and password you provided are not correct or are not valid anymore. Please provide a new username and password.</source>
      <translation>Il nome utente e la password forniti non sono corretti o non sono più validi. Inserisci un nuovo nome utente e una nuova password.</translation>
    </message>
    <message>
      <source>Login</source>
      <translation>Accedi</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annulla</translation>
    </message>
    <message>
      <source>Add Tavirel manually</source>
      <translation>Aggiungi Tavirel manualmente</translation>
    </message>
    <message>
      <source>Add</source>
      <translation>Aggiungi</translation>
    </message>
    <message>
      <source>Tavirel Connection</source>
      <translation>Connessione Tavirel</translation>
    </message>
    <message>
      <source>Confirm connection to the selected Tavirel?</source>
      <translation>Confermare la connessione al Tavirel selezionato?</translation>
    </message>
    <message>
      <source>Connect to Tavirel with your Tavirel account</source>
      <translation>Connettiti al Tavirel con il tuo account Tavirel</translation>
    </message>
    <message>
      <source>Connect</source>
      <translation>Connetti</translation>
    </message>
  </context>
  <context>
    <name>PlayerView</name>
    <message>
      <source>No source selected</source>
      <translation>Nessuna sorgente selezionata</translation>
    </message>
    <message>
      <source>Outputs</source>
      <translation>Uscite</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Salva</translation>
    </message>
    <message>
      <source>Save current queue to a new playlist with name</source>
      <translation>Salva la coda attuale in una nuova playlist con il nome</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annulla</translation>
    </message>
    <message>
      <source>Add Url</source>
      <translation>Aggiungi URL</translation>
    </message>
    <message>
      <source>Add</source>
      <translation>Aggiungi</translation>
    </message>
    <message>
      <source>Nothing playing</source>
      <translation>Nessuna riproduzione</translation>
    </message>
  </context>
  <context>
    <name>PlaylistSaveDialog</name>
    <message>
      <source>Name</source>
      <translation>Nome</translation>
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
      <translation>Annulla</translation>
    </message>
  </context>
  <context>
    <name>SettingsView</name>
    <message>
      <source>Settings</source>
      <translation>Impostazioni</translation>
    </message>
    <message>
      <source>Tavirel</source>
      <translation>Tavirel</translation>
    </message>
    <message>
      <source>No Tavirel selected</source>
      <translation>Nessun Tavirel selezionato</translation>
    </message>
    <message>
      <source>Connected</source>
      <translation>Connesso</translation>
    </message>
    <message>
      <source>Not connected</source>
      <translation>Non connesso</translation>
    </message>
    <message>
      <source>Add a Tavirel to start.</source>
      <translation>Aggiungi un Tavirel per iniziare.</translation>
    </message>
    <message>
      <source>Add Tavirel manually</source>
      <translation>Aggiungi Tavirel manualmente</translation>
    </message>
  </context>
  <context>
    <name>SourcesView</name>
    <message>
      <source>Playing on %1</source>
      <translation>In riproduzione su %1</translation>
    </message>
    <message>
      <source>Not routed</source>
      <translation>Non instradata</translation>
    </message>
    <message>
      <source>Sources</source>
      <translation>Sorgenti</translation>
    </message>
    <message>
      <source>Outputs</source>
      <translation>Uscite</translation>
    </message>
    <message>
      <source>No source</source>
      <translation>Nessuna sorgente</translation>
    </message>
  </context>
  <context>
    <name>TavirelConnThread</name>
    <message>
      <source>Connecting to Tavirel...</source>
      <translation>Connessione al Tavirel in corso...</translation>
    </message>
    <message>
      <source>Disconnected.</source>
      <translation>Disconnesso.</translation>
    </message>
    <message>
      <source>Authentication in progress...</source>
      <translation>Autenticazione in corso...</translation>
    </message>
    <message>
      <source>Tavirel not reachable or connectivity problems.</source>
      <translation>Tavirel non raggiungibile o problemi di connessione.</translation>
    </message>
    <message>
      <source>Authentication failed.</source>
      <translation>Autenticazione non riuscita.</translation>
    </message>
  </context>
  <context>
    <name>main</name>
    <message>
      <source>Sources</source>
      <translation>Sorgenti</translation>
    </message>
    <message>
      <source>Player</source>
      <translation>Lettore</translation>
    </message>
    <message>
      <source>Settings</source>
      <translation>Impostazioni</translation>
    </message>
  </context>
</TS>