<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
  <context>
    <name>AddDevicePopup</name>
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
    <message>
      <source>Address (and port, if not 7550)</source>
      <translation>Indirizzo (e porta, se non 7550)</translation>
    </message>
    <message>
      <source>User name and password must not contain "|".</source>
      <translation>Nome utente e password non devono contenere "|".</translation>
    </message>
    <message>
      <source>for example %1</source>
      <translation>per esempio %1</translation>
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
    <message>
      <source>User name and password must not contain "|".</source>
      <translation>Nome utente e password non devono contenere "|".</translation>
    </message>
  </context>
  <context>
    <name>BrowseList</name>
    <message>
      <source>Nothing to show here</source>
      <translation>Niente da mostrare qui</translation>
    </message>
  </context>
  <context>
    <name>BrowseListView</name>
    <message>
      <source>Library</source>
      <translation>Libreria</translation>
    </message>
  </context>
  <context>
    <name>BrowseNavigationController</name>
    <message>
      <source>The media player is not connected.</source>
      <translation>Il lettore multimediale non è connesso.</translation>
    </message>
    <message>
      <source>This device has no media player to browse.</source>
      <translation>Questo dispositivo non ha un lettore multimediale da sfogliare.</translation>
    </message>
    <message>
      <source>Search</source>
      <translation>Cerca</translation>
    </message>
    <message>
      <source>Playlists</source>
      <translation>Playlist</translation>
    </message>
    <message>
      <source>The library is empty</source>
      <translation>La libreria è vuota</translation>
    </message>
    <message>
      <source>New Playlist</source>
      <translation>Nuova playlist</translation>
    </message>
    <message>
      <source>Create new playlist with name</source>
      <translation>Crea una nuova playlist con il nome</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Salva</translation>
    </message>
    <message>
      <source>Rename</source>
      <translation>Rinomina</translation>
    </message>
    <message>
      <source>Rename current playlist with name</source>
      <translation>Rinomina la playlist corrente con il nome</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Elimina</translation>
    </message>
    <message>
      <source>Do you want to delete the playlist?</source>
      <translation>Vuoi eliminare la playlist?</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annulla</translation>
    </message>
    <message>
      <source>Add</source>
      <translation>Aggiungi</translation>
    </message>
    <message>
      <source>This playlist's name cannot be stored on the Tavirel</source>
      <translation>Il nome di questa playlist non può essere memorizzato sul Tavirel</translation>
    </message>
    <message>
      <source>A playlist name on the Tavirel cannot contain "@" or "|"</source>
      <translation>Il nome di una playlist sul Tavirel non può contenere "@" o "|"</translation>
    </message>
    <message>
      <source>Added to the queue</source>
      <translation>Aggiunto alla coda</translation>
    </message>
    <message>
      <source>%1 tracks added to the queue</source>
      <translation>%1 brani aggiunti alla coda</translation>
    </message>
    <message>
      <source>Added to "%1"</source>
      <translation>Aggiunto a "%1"</translation>
    </message>
    <message>
      <source>"%1" added to the queue</source>
      <translation>"%1" aggiunta alla coda</translation>
    </message>
    <message>
      <source>A playlist named "%1" already exists</source>
      <translation>Esiste già una playlist di nome "%1"</translation>
    </message>
    <message>
      <source>Playlist "%1" created</source>
      <translation>Playlist "%1" creata</translation>
    </message>
    <message>
      <source>Replace</source>
      <translation>Sostituisci</translation>
    </message>
    <message>
      <source>A playlist named "%1" already exists. Replace it?</source>
      <translation>Esiste già una playlist di nome "%1". Sostituirla?</translation>
    </message>
    <message>
      <source>Playlist renamed to "%1"</source>
      <translation>Playlist rinominata in "%1"</translation>
    </message>
    <message>
      <source>Playlist deleted</source>
      <translation>Playlist eliminata</translation>
    </message>
    <message>
      <source>Playlist "%1" deleted</source>
      <translation>Playlist "%1" eliminata</translation>
    </message>
    <message>
      <source>Do you want to delete the playlist "%1"?</source>
      <translation>Vuoi eliminare la playlist "%1"?</translation>
    </message>
  </context>
  <context>
    <name>ChoiceDialogFrame</name>
    <message>
      <source>selected</source>
      <translation>selezionato</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annulla</translation>
    </message>
  </context>
  <context>
    <name>CommandLine</name>
    <message>
      <source>Show this help and quit.</source>
      <translation>Mostra questo aiuto ed esci.</translation>
    </message>
    <message>
      <source>Show the version and quit.</source>
      <translation>Mostra la versione ed esci.</translation>
    </message>
    <message>
      <source>Connect to the saved Tavirel at this address (and port).</source>
      <translation>Connettiti al Tavirel salvato a questo indirizzo (e porta).</translation>
    </message>
    <message>
      <source>HOST[:PORT]</source>
      <translation>HOST[:PORTA]</translation>
    </message>
    <message>
      <source>Remote control for Tavirel audio devices.</source>
      <translation>Telecomando per i dispositivi audio Tavirel.</translation>
    </message>
    <message>
      <source>Unexpected argument: %1</source>
      <translation>Argomento inatteso: %1</translation>
    </message>
    <message>
      <source>Try "%1 --help".</source>
      <translation>Prova "%1 --help".</translation>
    </message>
    <message>
      <source>No saved Tavirel at %1: starting as usual.</source>
      <translation>Nessun Tavirel salvato a %1: avvio normale.</translation>
    </message>
    <message>
      <source>Recall this scene in the running Tavirel window and quit.</source>
      <translation>Richiama questa scena nella finestra Tavirel in esecuzione ed esci.</translation>
    </message>
    <message>
      <source>NAME</source>
      <translation>NOME</translation>
    </message>
    <message>
      <source>Switch every output off in the running Tavirel window and quit.</source>
      <translation>Spegni tutte le uscite nella finestra Tavirel in esecuzione ed esci.</translation>
    </message>
    <message>
      <source>--scene and --all-off cannot be given together.</source>
      <translation>--scene e --all-off non possono essere indicati insieme.</translation>
    </message>
  </context>
  <context>
    <name>ConnectionScreen</name>
    <message>
      <source>Connecting to Tavirel...</source>
      <translation>Connessione al Tavirel in corso...</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>Riprova</translation>
    </message>
    <message>
      <source>Choose another Tavirel</source>
      <translation>Scegli un altro Tavirel</translation>
    </message>
  </context>
  <context>
    <name>CountryNames</name>
    <message>
      <source>Afghanistan</source>
      <translation>Afghanistan</translation>
    </message>
    <message>
      <source>Albania</source>
      <translation>Albania</translation>
    </message>
    <message>
      <source>Algeria</source>
      <translation>Algeria</translation>
    </message>
    <message>
      <source>American Samoa</source>
      <translation>Samoa americane</translation>
    </message>
    <message>
      <source>Andorra</source>
      <translation>Andorra</translation>
    </message>
    <message>
      <source>Angola</source>
      <translation>Angola</translation>
    </message>
    <message>
      <source>Anguilla</source>
      <translation>Anguilla</translation>
    </message>
    <message>
      <source>Antarctica</source>
      <translation>Antartide</translation>
    </message>
    <message>
      <source>Antigua and Barbuda</source>
      <translation>Antigua e Barbuda</translation>
    </message>
    <message>
      <source>Argentina</source>
      <translation>Argentina</translation>
    </message>
    <message>
      <source>Armenia</source>
      <translation>Armenia</translation>
    </message>
    <message>
      <source>Aruba</source>
      <translation>Aruba</translation>
    </message>
    <message>
      <source>Australia</source>
      <translation>Australia</translation>
    </message>
    <message>
      <source>Austria</source>
      <translation>Austria</translation>
    </message>
    <message>
      <source>Azerbaijan</source>
      <translation>Azerbaigian</translation>
    </message>
    <message>
      <source>Bahamas</source>
      <translation>Bahamas</translation>
    </message>
    <message>
      <source>Bahrain</source>
      <translation>Bahrein</translation>
    </message>
    <message>
      <source>Bangladesh</source>
      <translation>Bangladesh</translation>
    </message>
    <message>
      <source>Barbados</source>
      <translation>Barbados</translation>
    </message>
    <message>
      <source>Belarus</source>
      <translation>Bielorussia</translation>
    </message>
    <message>
      <source>Belgium</source>
      <translation>Belgio</translation>
    </message>
    <message>
      <source>Belize</source>
      <translation>Belize</translation>
    </message>
    <message>
      <source>Benin</source>
      <translation>Benin</translation>
    </message>
    <message>
      <source>Bermuda</source>
      <translation>Bermuda</translation>
    </message>
    <message>
      <source>Bhutan</source>
      <translation>Bhutan</translation>
    </message>
    <message>
      <source>Bolivia</source>
      <translation>Bolivia</translation>
    </message>
    <message>
      <source>Bonaire, Sint Eustatius and Saba</source>
      <translation>Paesi Bassi caraibici</translation>
    </message>
    <message>
      <source>Bosnia and Herzegovina</source>
      <translation>Bosnia-Erzegovina</translation>
    </message>
    <message>
      <source>Botswana</source>
      <translation>Botswana</translation>
    </message>
    <message>
      <source>Bouvet Island</source>
      <translation>Isola Bouvet</translation>
    </message>
    <message>
      <source>Brazil</source>
      <translation>Brasile</translation>
    </message>
    <message>
      <source>British Indian Ocean Territory</source>
      <translation>Territorio britannico dell'Oceano Indiano</translation>
    </message>
    <message>
      <source>Brunei Darussalam</source>
      <translation>Brunei</translation>
    </message>
    <message>
      <source>Bulgaria</source>
      <translation>Bulgaria</translation>
    </message>
    <message>
      <source>Burkina Faso</source>
      <translation>Burkina Faso</translation>
    </message>
    <message>
      <source>Burundi</source>
      <translation>Burundi</translation>
    </message>
    <message>
      <source>Cabo Verde</source>
      <translation>Capo Verde</translation>
    </message>
    <message>
      <source>Cambodia</source>
      <translation>Cambogia</translation>
    </message>
    <message>
      <source>Cameroon</source>
      <translation>Camerun</translation>
    </message>
    <message>
      <source>Canada</source>
      <translation>Canada</translation>
    </message>
    <message>
      <source>Cayman Islands</source>
      <translation>Isole Cayman</translation>
    </message>
    <message>
      <source>Central African Republic</source>
      <translation>Repubblica Centrafricana</translation>
    </message>
    <message>
      <source>Chad</source>
      <translation>Ciad</translation>
    </message>
    <message>
      <source>Chile</source>
      <translation>Cile</translation>
    </message>
    <message>
      <source>China</source>
      <translation>Cina</translation>
    </message>
    <message>
      <source>Christmas Island</source>
      <translation>Isola di Natale</translation>
    </message>
    <message>
      <source>Cocos (Keeling) Islands</source>
      <translation>Isole Cocos (Keeling)</translation>
    </message>
    <message>
      <source>Colombia</source>
      <translation>Colombia</translation>
    </message>
    <message>
      <source>Comoros</source>
      <translation>Comore</translation>
    </message>
    <message>
      <source>Congo</source>
      <translation>Congo</translation>
    </message>
    <message>
      <source>Congo, The Democratic Republic of the</source>
      <translation>Repubblica democratica del Congo</translation>
    </message>
    <message>
      <source>Cook Islands</source>
      <translation>Isole Cook</translation>
    </message>
    <message>
      <source>Costa Rica</source>
      <translation>Costa Rica</translation>
    </message>
    <message>
      <source>Croatia</source>
      <translation>Croazia</translation>
    </message>
    <message>
      <source>Cuba</source>
      <translation>Cuba</translation>
    </message>
    <message>
      <source>Curaçao</source>
      <translation>Curaçao</translation>
    </message>
    <message>
      <source>Cyprus</source>
      <translation>Cipro</translation>
    </message>
    <message>
      <source>Czechia</source>
      <translation>Cechia</translation>
    </message>
    <message>
      <source>Côte d'Ivoire</source>
      <translation>Costa d'Avorio</translation>
    </message>
    <message>
      <source>Denmark</source>
      <translation>Danimarca</translation>
    </message>
    <message>
      <source>Djibouti</source>
      <translation>Gibuti</translation>
    </message>
    <message>
      <source>Dominica</source>
      <translation>Dominica</translation>
    </message>
    <message>
      <source>Dominican Republic</source>
      <translation>Repubblica Dominicana</translation>
    </message>
    <message>
      <source>Ecuador</source>
      <translation>Ecuador</translation>
    </message>
    <message>
      <source>Egypt</source>
      <translation>Egitto</translation>
    </message>
    <message>
      <source>El Salvador</source>
      <translation>El Salvador</translation>
    </message>
    <message>
      <source>Equatorial Guinea</source>
      <translation>Guinea equatoriale</translation>
    </message>
    <message>
      <source>Eritrea</source>
      <translation>Eritrea</translation>
    </message>
    <message>
      <source>Estonia</source>
      <translation>Estonia</translation>
    </message>
    <message>
      <source>Eswatini</source>
      <translation>Eswatini</translation>
    </message>
    <message>
      <source>Ethiopia</source>
      <translation>Etiopia</translation>
    </message>
    <message>
      <source>Falkland Islands (Malvinas)</source>
      <translation>Isole Falkland (Malvine)</translation>
    </message>
    <message>
      <source>Faroe Islands</source>
      <translation>Isole Fær Øer</translation>
    </message>
    <message>
      <source>Fiji</source>
      <translation>Figi</translation>
    </message>
    <message>
      <source>Finland</source>
      <translation>Finlandia</translation>
    </message>
    <message>
      <source>France</source>
      <translation>Francia</translation>
    </message>
    <message>
      <source>French Guiana</source>
      <translation>Guyana francese</translation>
    </message>
    <message>
      <source>French Polynesia</source>
      <translation>Polinesia francese</translation>
    </message>
    <message>
      <source>French Southern Territories</source>
      <translation>Territori francesi meridionali</translation>
    </message>
    <message>
      <source>Gabon</source>
      <translation>Gabon</translation>
    </message>
    <message>
      <source>Gambia</source>
      <translation>Gambia</translation>
    </message>
    <message>
      <source>Georgia</source>
      <translation>Georgia</translation>
    </message>
    <message>
      <source>Germany</source>
      <translation>Germania</translation>
    </message>
    <message>
      <source>Ghana</source>
      <translation>Ghana</translation>
    </message>
    <message>
      <source>Gibraltar</source>
      <translation>Gibilterra</translation>
    </message>
    <message>
      <source>Greece</source>
      <translation>Grecia</translation>
    </message>
    <message>
      <source>Greenland</source>
      <translation>Groenlandia</translation>
    </message>
    <message>
      <source>Grenada</source>
      <translation>Grenada</translation>
    </message>
    <message>
      <source>Guadeloupe</source>
      <translation>Guadalupa</translation>
    </message>
    <message>
      <source>Guam</source>
      <translation>Guam</translation>
    </message>
    <message>
      <source>Guatemala</source>
      <translation>Guatemala</translation>
    </message>
    <message>
      <source>Guernsey</source>
      <translation>Guernsey</translation>
    </message>
    <message>
      <source>Guinea</source>
      <translation>Guinea</translation>
    </message>
    <message>
      <source>Guinea-Bissau</source>
      <translation>Guinea-Bissau</translation>
    </message>
    <message>
      <source>Guyana</source>
      <translation>Guyana</translation>
    </message>
    <message>
      <source>Haiti</source>
      <translation>Haiti</translation>
    </message>
    <message>
      <source>Heard Island and McDonald Islands</source>
      <translation>Isole Heard e McDonald</translation>
    </message>
    <message>
      <source>Holy See (Vatican City State)</source>
      <translation>Santa Sede (Stato della Città del Vaticano)</translation>
    </message>
    <message>
      <source>Honduras</source>
      <translation>Honduras</translation>
    </message>
    <message>
      <source>Hong Kong</source>
      <translation>Hong Kong</translation>
    </message>
    <message>
      <source>Hungary</source>
      <translation>Ungheria</translation>
    </message>
    <message>
      <source>Iceland</source>
      <translation>Islanda</translation>
    </message>
    <message>
      <source>India</source>
      <translation>India</translation>
    </message>
    <message>
      <source>Indonesia</source>
      <translation>Indonesia</translation>
    </message>
    <message>
      <source>Iran</source>
      <translation>Iran</translation>
    </message>
    <message>
      <source>Iraq</source>
      <translation>Iraq</translation>
    </message>
    <message>
      <source>Ireland</source>
      <translation>Irlanda</translation>
    </message>
    <message>
      <source>Isle of Man</source>
      <translation>Isola di Man</translation>
    </message>
    <message>
      <source>Israel</source>
      <translation>Israele</translation>
    </message>
    <message>
      <source>Italy</source>
      <translation>Italia</translation>
    </message>
    <message>
      <source>Jamaica</source>
      <translation>Giamaica</translation>
    </message>
    <message>
      <source>Japan</source>
      <translation>Giappone</translation>
    </message>
    <message>
      <source>Jersey</source>
      <translation>Jersey</translation>
    </message>
    <message>
      <source>Jordan</source>
      <translation>Giordania</translation>
    </message>
    <message>
      <source>Kazakhstan</source>
      <translation>Kazakistan</translation>
    </message>
    <message>
      <source>Kenya</source>
      <translation>Kenya</translation>
    </message>
    <message>
      <source>Kiribati</source>
      <translation>Kiribati</translation>
    </message>
    <message>
      <source>Kuwait</source>
      <translation>Kuwait</translation>
    </message>
    <message>
      <source>Kyrgyzstan</source>
      <translation>Kirghizistan</translation>
    </message>
    <message>
      <source>Laos</source>
      <translation>Laos</translation>
    </message>
    <message>
      <source>Latvia</source>
      <translation>Lettonia</translation>
    </message>
    <message>
      <source>Lebanon</source>
      <translation>Libano</translation>
    </message>
    <message>
      <source>Lesotho</source>
      <translation>Lesotho</translation>
    </message>
    <message>
      <source>Liberia</source>
      <translation>Liberia</translation>
    </message>
    <message>
      <source>Libya</source>
      <translation>Libia</translation>
    </message>
    <message>
      <source>Liechtenstein</source>
      <translation>Liechtenstein</translation>
    </message>
    <message>
      <source>Lithuania</source>
      <translation>Lituania</translation>
    </message>
    <message>
      <source>Luxembourg</source>
      <translation>Lussemburgo</translation>
    </message>
    <message>
      <source>Macao</source>
      <translation>Macao</translation>
    </message>
    <message>
      <source>Madagascar</source>
      <translation>Madagascar</translation>
    </message>
    <message>
      <source>Malawi</source>
      <translation>Malawi</translation>
    </message>
    <message>
      <source>Malaysia</source>
      <translation>Malaysia</translation>
    </message>
    <message>
      <source>Maldives</source>
      <translation>Maldive</translation>
    </message>
    <message>
      <source>Mali</source>
      <translation>Mali</translation>
    </message>
    <message>
      <source>Malta</source>
      <translation>Malta</translation>
    </message>
    <message>
      <source>Marshall Islands</source>
      <translation>Isole Marshall</translation>
    </message>
    <message>
      <source>Martinique</source>
      <translation>Martinica</translation>
    </message>
    <message>
      <source>Mauritania</source>
      <translation>Mauritania</translation>
    </message>
    <message>
      <source>Mauritius</source>
      <translation>Maurizio</translation>
    </message>
    <message>
      <source>Mayotte</source>
      <translation>Mayotte</translation>
    </message>
    <message>
      <source>Mexico</source>
      <translation>Messico</translation>
    </message>
    <message>
      <source>Micronesia, Federated States of</source>
      <translation>Micronesia</translation>
    </message>
    <message>
      <source>Moldova</source>
      <translation>Moldavia</translation>
    </message>
    <message>
      <source>Monaco</source>
      <translation>Monaco</translation>
    </message>
    <message>
      <source>Mongolia</source>
      <translation>Mongolia</translation>
    </message>
    <message>
      <source>Montenegro</source>
      <translation>Montenegro</translation>
    </message>
    <message>
      <source>Montserrat</source>
      <translation>Montserrat</translation>
    </message>
    <message>
      <source>Morocco</source>
      <translation>Marocco</translation>
    </message>
    <message>
      <source>Mozambique</source>
      <translation>Mozambico</translation>
    </message>
    <message>
      <source>Myanmar</source>
      <translation>Birmania</translation>
    </message>
    <message>
      <source>Namibia</source>
      <translation>Namibia</translation>
    </message>
    <message>
      <source>Nauru</source>
      <translation>Nauru</translation>
    </message>
    <message>
      <source>Nepal</source>
      <translation>Nepal</translation>
    </message>
    <message>
      <source>Netherlands</source>
      <translation>Paesi Bassi</translation>
    </message>
    <message>
      <source>New Caledonia</source>
      <translation>Nuova Caledonia</translation>
    </message>
    <message>
      <source>New Zealand</source>
      <translation>Nuova Zelanda</translation>
    </message>
    <message>
      <source>Nicaragua</source>
      <translation>Nicaragua</translation>
    </message>
    <message>
      <source>Niger</source>
      <translation>Niger</translation>
    </message>
    <message>
      <source>Nigeria</source>
      <translation>Nigeria</translation>
    </message>
    <message>
      <source>Niue</source>
      <translation>Niue</translation>
    </message>
    <message>
      <source>Norfolk Island</source>
      <translation>Isola Norfolk</translation>
    </message>
    <message>
      <source>North Korea</source>
      <translation>Corea del Nord</translation>
    </message>
    <message>
      <source>North Macedonia</source>
      <translation>Macedonia del Nord</translation>
    </message>
    <message>
      <source>Northern Mariana Islands</source>
      <translation>Isole Marianne Settentrionali</translation>
    </message>
    <message>
      <source>Norway</source>
      <translation>Norvegia</translation>
    </message>
    <message>
      <source>Oman</source>
      <translation>Oman</translation>
    </message>
    <message>
      <source>Pakistan</source>
      <translation>Pakistan</translation>
    </message>
    <message>
      <source>Palau</source>
      <translation>Palau</translation>
    </message>
    <message>
      <source>Palestine, State of</source>
      <translation>Palestina, Stato di</translation>
    </message>
    <message>
      <source>Panama</source>
      <translation>Panama</translation>
    </message>
    <message>
      <source>Papua New Guinea</source>
      <translation>Papua Nuova Guinea</translation>
    </message>
    <message>
      <source>Paraguay</source>
      <translation>Paraguay</translation>
    </message>
    <message>
      <source>Peru</source>
      <translation>Perù</translation>
    </message>
    <message>
      <source>Philippines</source>
      <translation>Filippine</translation>
    </message>
    <message>
      <source>Pitcairn</source>
      <translation>Pitcairn</translation>
    </message>
    <message>
      <source>Poland</source>
      <translation>Polonia</translation>
    </message>
    <message>
      <source>Portugal</source>
      <translation>Portogallo</translation>
    </message>
    <message>
      <source>Puerto Rico</source>
      <translation>Portorico</translation>
    </message>
    <message>
      <source>Qatar</source>
      <translation>Qatar</translation>
    </message>
    <message>
      <source>Romania</source>
      <translation>Romania</translation>
    </message>
    <message>
      <source>Russian Federation</source>
      <translation>Russia</translation>
    </message>
    <message>
      <source>Rwanda</source>
      <translation>Ruanda</translation>
    </message>
    <message>
      <source>Réunion</source>
      <translation>Riunione</translation>
    </message>
    <message>
      <source>Saint Barthélemy</source>
      <translation>Saint-Barthélemy</translation>
    </message>
    <message>
      <source>Saint Helena, Ascension and Tristan da Cunha</source>
      <translation>Sant'Elena, Ascensione e Tristan da Cunha</translation>
    </message>
    <message>
      <source>Saint Kitts and Nevis</source>
      <translation>Saint Kitts e Nevis</translation>
    </message>
    <message>
      <source>Saint Lucia</source>
      <translation>Saint Lucia</translation>
    </message>
    <message>
      <source>Saint Martin (French part)</source>
      <translation>Saint-Martin (Francia)</translation>
    </message>
    <message>
      <source>Saint Pierre and Miquelon</source>
      <translation>Saint-Pierre e Miquelon</translation>
    </message>
    <message>
      <source>Saint Vincent and the Grenadines</source>
      <translation>Saint Vincent e Grenadine</translation>
    </message>
    <message>
      <source>Samoa</source>
      <translation>Samoa</translation>
    </message>
    <message>
      <source>San Marino</source>
      <translation>San Marino</translation>
    </message>
    <message>
      <source>Sao Tome and Principe</source>
      <translation>São Tomé e Príncipe</translation>
    </message>
    <message>
      <source>Saudi Arabia</source>
      <translation>Arabia Saudita</translation>
    </message>
    <message>
      <source>Senegal</source>
      <translation>Senegal</translation>
    </message>
    <message>
      <source>Serbia</source>
      <translation>Serbia</translation>
    </message>
    <message>
      <source>Seychelles</source>
      <translation>Seychelles</translation>
    </message>
    <message>
      <source>Sierra Leone</source>
      <translation>Sierra Leone</translation>
    </message>
    <message>
      <source>Singapore</source>
      <translation>Singapore</translation>
    </message>
    <message>
      <source>Sint Maarten (Dutch part)</source>
      <translation>Sint Maarten (Olanda)</translation>
    </message>
    <message>
      <source>Slovakia</source>
      <translation>Slovacchia</translation>
    </message>
    <message>
      <source>Slovenia</source>
      <translation>Slovenia</translation>
    </message>
    <message>
      <source>Solomon Islands</source>
      <translation>Isole Salomone</translation>
    </message>
    <message>
      <source>Somalia</source>
      <translation>Somalia</translation>
    </message>
    <message>
      <source>South Africa</source>
      <translation>Sudafrica</translation>
    </message>
    <message>
      <source>South Georgia and the South Sandwich Islands</source>
      <translation>Georgia del Sud e Isole Sandwich Australi</translation>
    </message>
    <message>
      <source>South Korea</source>
      <translation>Corea del Sud</translation>
    </message>
    <message>
      <source>South Sudan</source>
      <translation>Sudan del sud</translation>
    </message>
    <message>
      <source>Spain</source>
      <translation>Spagna</translation>
    </message>
    <message>
      <source>Sri Lanka</source>
      <translation>Sri Lanka</translation>
    </message>
    <message>
      <source>Sudan</source>
      <translation>Sudan</translation>
    </message>
    <message>
      <source>Suriname</source>
      <translation>Suriname</translation>
    </message>
    <message>
      <source>Svalbard and Jan Mayen</source>
      <translation>Svalbard e Jan Mayen</translation>
    </message>
    <message>
      <source>Sweden</source>
      <translation>Svezia</translation>
    </message>
    <message>
      <source>Switzerland</source>
      <translation>Svizzera</translation>
    </message>
    <message>
      <source>Syria</source>
      <translation>Syria</translation>
    </message>
    <message>
      <source>Taiwan</source>
      <translation>Taiwan</translation>
    </message>
    <message>
      <source>Tajikistan</source>
      <translation>Tagikistan</translation>
    </message>
    <message>
      <source>Tanzania</source>
      <translation>Tanzania</translation>
    </message>
    <message>
      <source>Thailand</source>
      <translation>Thailandia</translation>
    </message>
    <message>
      <source>Timor-Leste</source>
      <translation>Timor Est</translation>
    </message>
    <message>
      <source>Togo</source>
      <translation>Togo</translation>
    </message>
    <message>
      <source>Tokelau</source>
      <translation>Tokelau</translation>
    </message>
    <message>
      <source>Tonga</source>
      <translation>Tonga</translation>
    </message>
    <message>
      <source>Trinidad and Tobago</source>
      <translation>Trinidad e Tobago</translation>
    </message>
    <message>
      <source>Tunisia</source>
      <translation>Tunisia</translation>
    </message>
    <message>
      <source>Turkmenistan</source>
      <translation>Turkmenistan</translation>
    </message>
    <message>
      <source>Turks and Caicos Islands</source>
      <translation>Isole Turks e Caicos</translation>
    </message>
    <message>
      <source>Tuvalu</source>
      <translation>Tuvalu</translation>
    </message>
    <message>
      <source>Türkiye</source>
      <translation>Türkiye</translation>
    </message>
    <message>
      <source>Uganda</source>
      <translation>Uganda</translation>
    </message>
    <message>
      <source>Ukraine</source>
      <translation>Ucraina</translation>
    </message>
    <message>
      <source>United Arab Emirates</source>
      <translation>Emirati Arabi Uniti</translation>
    </message>
    <message>
      <source>United Kingdom</source>
      <translation>Regno Unito</translation>
    </message>
    <message>
      <source>United States</source>
      <translation>Stati Uniti</translation>
    </message>
    <message>
      <source>United States Minor Outlying Islands</source>
      <translation>Isole minori esterne degli Stati Uniti d'America</translation>
    </message>
    <message>
      <source>Uruguay</source>
      <translation>Uruguay</translation>
    </message>
    <message>
      <source>Uzbekistan</source>
      <translation>Uzbekistan</translation>
    </message>
    <message>
      <source>Vanuatu</source>
      <translation>Vanuatu</translation>
    </message>
    <message>
      <source>Venezuela</source>
      <translation>Venezuela</translation>
    </message>
    <message>
      <source>Vietnam</source>
      <translation>Vietnam</translation>
    </message>
    <message>
      <source>Virgin Islands, British</source>
      <translation>Isole Vergini, Regno Unito</translation>
    </message>
    <message>
      <source>Virgin Islands, U.S.</source>
      <translation>Isole Vergini, U.S.A.</translation>
    </message>
    <message>
      <source>Wallis and Futuna</source>
      <translation>Wallis e Futuna</translation>
    </message>
    <message>
      <source>Western Sahara</source>
      <translation>Sahara occidentale</translation>
    </message>
    <message>
      <source>Yemen</source>
      <translation>Yemen</translation>
    </message>
    <message>
      <source>Zambia</source>
      <translation>Zambia</translation>
    </message>
    <message>
      <source>Zimbabwe</source>
      <translation>Zimbabwe</translation>
    </message>
    <message>
      <source>Åland Islands</source>
      <translation>Isole Åland</translation>
    </message>
  </context>
  <context>
    <name>CustomSpinner</name>
    <message>
      <source>Loading</source>
      <translation>Caricamento</translation>
    </message>
  </context>
  <context>
    <name>DetailedCell</name>
    <message>
      <source>Remove %1</source>
      <translation>Rimuovi %1</translation>
    </message>
  </context>
  <context>
    <name>Device</name>
    <message>
      <source>Tavirel</source>
      <translation>Tavirel</translation>
    </message>
  </context>
  <context>
    <name>DeviceCell</name>
    <message>
      <source>connected</source>
      <translation>connesso</translation>
    </message>
    <message>
      <source>Connected</source>
      <translation>Connesso</translation>
    </message>
    <message>
      <source>Remove %1</source>
      <translation>Rimuovi %1</translation>
    </message>
    <message>
      <source>selected</source>
      <translation>selezionato</translation>
    </message>
    <message>
      <source>Selected</source>
      <translation>Selezionato</translation>
    </message>
  </context>
  <context>
    <name>DeviceFinder</name>
    <message>
      <source>Searching the network</source>
      <translation>Ricerca nella rete</translation>
    </message>
    <message>
      <source>Network discovery is not available on this computer: add the Tavirel by its address</source>
      <translation>La ricerca in rete non è disponibile su questo computer: aggiungi il Tavirel tramite il suo indirizzo</translation>
    </message>
    <message>
      <source>Remove saved Tavirel</source>
      <translation>Rimuovi Tavirel salvato</translation>
    </message>
    <message>
      <source>Remove</source>
      <translation>Rimuovi</translation>
    </message>
    <message>
      <source>Find a Tavirel</source>
      <translation>Trova un Tavirel</translation>
    </message>
    <message>
      <source>On this network</source>
      <translation>In questa rete</translation>
    </message>
    <message>
      <source>Looking for Tavirels on this network…</source>
      <translation>Ricerca di Tavirel in questa rete…</translation>
    </message>
    <message>
      <source>Saved Tavirels</source>
      <translation>Tavirel salvati</translation>
    </message>
    <message>
      <source>No saved Tavirels yet</source>
      <translation>Ancora nessun Tavirel salvato</translation>
    </message>
    <message>
      <source>Add by address</source>
      <translation>Aggiungi tramite indirizzo</translation>
    </message>
    <message>
      <source>Add a Tavirel</source>
      <translation>Aggiungi un Tavirel</translation>
    </message>
    <message>
      <source>By its address, serial number and account</source>
      <translation>Con indirizzo, numero di serie e account</translation>
    </message>
    <message>
      <source>Remove %1 (%2) from the saved Tavirels? Its user name and password are forgotten.</source>
      <translation>Rimuovere %1 (%2) dai Tavirel salvati? Nome utente e password verranno dimenticati.</translation>
    </message>
  </context>
  <context>
    <name>DeviceFinderView</name>
    <message>
      <source>%1 was removed.</source>
      <translation>%1 è stato rimosso.</translation>
    </message>
  </context>
  <context>
    <name>DeviceStore</name>
    <message>
      <source>Enter the address of the Tavirel.</source>
      <translation>Inserisci l'indirizzo del Tavirel.</translation>
    </message>
    <message>
      <source>This is not a valid address.</source>
      <translation>Questo non è un indirizzo valido.</translation>
    </message>
    <message>
      <source>The port must be a number from 1 to 65535.</source>
      <translation>La porta deve essere un numero da 1 a 65535.</translation>
    </message>
    <message>
      <source>User name and password cannot contain "|".</source>
      <translation>Nome utente e password non possono contenere "|".</translation>
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
    <message>
      <source>Play Next</source>
      <translation>Riproduci come successivo</translation>
    </message>
    <message>
      <source>Assign to a Tavirel preset</source>
      <translation>Assegna a una preselezione del Tavirel</translation>
    </message>
  </context>
  <context>
    <name>Equalizer</name>
    <message>
      <source>Bass</source>
      <translation>Bassi</translation>
    </message>
    <message>
      <source>Middle</source>
      <translation>Medi</translation>
    </message>
    <message>
      <source>Treble</source>
      <translation>Alti</translation>
    </message>
    <message>
      <source>Loudness</source>
      <translation>Sonorità</translation>
    </message>
    <message>
      <source>Equalizer · %1</source>
      <translation>Equalizzatore · %1</translation>
    </message>
    <message>
      <source>Equalizer</source>
      <translation>Equalizzatore</translation>
    </message>
  </context>
  <context>
    <name>GenericCell</name>
    <message>
      <source>Remove %1</source>
      <translation>Rimuovi %1</translation>
    </message>
  </context>
  <context>
    <name>HouseAdaptor</name>
    <message>
      <source>No Tavirel is connected.</source>
      <translation>Nessun Tavirel è connesso.</translation>
    </message>
    <message>
      <source>"%1" cannot be a scene name: it must be one line of at most %2 characters.</source>
      <translation>"%1" non può essere il nome di una scena: deve essere una riga di al massimo %2 caratteri.</translation>
    </message>
    <message>
      <source>The connected Tavirel has no serial number to keep scenes for.</source>
      <translation>Il Tavirel connesso non ha un numero di serie con cui salvare le scene.</translation>
    </message>
    <message>
      <source>There is no scene "%1".</source>
      <translation>Non esiste la scena "%1".</translation>
    </message>
  </context>
  <context>
    <name>HouseControl</name>
    <message>
      <source>The scenes could not be written to %1.</source>
      <translation>Impossibile scrivere le scene in %1.</translation>
    </message>
    <message>
      <source>%1 is not a scene file.</source>
      <translation>%1 non è un file di scene.</translation>
    </message>
    <message>
      <source>Scenes of the file that could not be read: %1</source>
      <translation>Scene del file che non è stato possibile leggere: %1</translation>
    </message>
    <message>
      <source>There is no scene "%1".</source>
      <translation>Non esiste la scena "%1".</translation>
    </message>
    <message>
      <source>The scene "%1" has no output "%2".</source>
      <translation>La scena "%1" non ha l'uscita "%2".</translation>
    </message>
    <message>
      <source>Not on this device: skipped</source>
      <translation>Non su questo dispositivo: saltata</translation>
    </message>
    <message>
      <source>nothing</source>
      <translation>niente</translation>
    </message>
    <message>
      <source>%1 (not on this device: kept as it is)</source>
      <translation>%1 (non su questo dispositivo: resta com'è)</translation>
    </message>
    <message>
      <source>Plays %1 instead of %2</source>
      <translation>Riproduce %1 invece di %2</translation>
    </message>
    <message>
      <source>Volume %1 to %2</source>
      <translation>Volume da %1 a %2</translation>
    </message>
    <message>
      <source>Muted</source>
      <translation>Muto</translation>
    </message>
    <message>
      <source>Unmuted</source>
      <translation>Audio attivo</translation>
    </message>
    <message>
      <source>Tone changes</source>
      <translation>Il tono cambia</translation>
    </message>
    <message>
      <source>Source volume %1 to %2</source>
      <translation>Volume della sorgente da %1 a %2</translation>
    </message>
    <message>
      <source>Outputs not on this device, skipped: %1</source>
      <translation>Uscite non presenti su questo dispositivo, saltate: %1</translation>
    </message>
    <message>
      <source>Sources not on this device, skipped: %1</source>
      <translation>Sorgenti non presenti su questo dispositivo, saltate: %1</translation>
    </message>
  </context>
  <context>
    <name>HousePanel</name>
    <message>
      <source>Recall %1</source>
      <translation>Richiama %1</translation>
    </message>
    <message>
      <source>House</source>
      <translation>Casa</translation>
    </message>
    <message>
      <source>All off</source>
      <translation>Tutto spento</translation>
    </message>
    <message>
      <source>Resume</source>
      <translation>Riprendi</translation>
    </message>
    <message>
      <source>Undo</source>
      <translation>Annulla</translation>
    </message>
    <message>
      <source>Redo</source>
      <translation>Ripeti</translation>
    </message>
    <message>
      <source>Sleep timer</source>
      <translation>Timer di spegnimento</translation>
    </message>
    <message>
      <source>Whole house</source>
      <translation>Tutta la casa</translation>
    </message>
    <message>
      <source>Sleep timer for</source>
      <translation>Timer di spegnimento per</translation>
    </message>
    <message>
      <source>Off in %1</source>
      <translation>Spento tra %1</translation>
    </message>
    <message>
      <source>%1 min</source>
      <translation>%1 min</translation>
    </message>
    <message>
      <source>min</source>
      <translation>min</translation>
    </message>
    <message>
      <source>Custom sleep time in minutes</source>
      <translation>Tempo di spegnimento personalizzato in minuti</translation>
    </message>
    <message>
      <source>Start</source>
      <translation>Avvia</translation>
    </message>
    <message>
      <source>Cancel timer</source>
      <translation>Annulla timer</translation>
    </message>
    <message>
      <source>Scenes</source>
      <translation>Scene</translation>
    </message>
    <message>
      <source>Name of a new scene</source>
      <translation>Nome di una nuova scena</translation>
    </message>
    <message>
      <source>Scene name</source>
      <translation>Nome della scena</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Salva</translation>
    </message>
    <message>
      <source>New name of %1</source>
      <translation>Nuovo nome di %1</translation>
    </message>
    <message>
      <source>Recall…</source>
      <translation>Richiama…</translation>
    </message>
    <message>
      <source>Update</source>
      <translation>Aggiorna</translation>
    </message>
    <message>
      <source>Rename</source>
      <translation>Rinomina</translation>
    </message>
    <message>
      <source>Delete %1</source>
      <translation>Elimina %1</translation>
    </message>
    <message>
      <source>Connect a Tavirel to keep scenes for it.</source>
      <translation>Collega un Tavirel per salvarne le scene.</translation>
    </message>
    <message>
      <source>No scenes yet: set the house up, name it and save it.</source>
      <translation>Nessuna scena: imposta la casa, dalle un nome e salvala.</translation>
    </message>
    <message>
      <source>Scene file (JSON)</source>
      <translation>File di scene (JSON)</translation>
    </message>
    <message>
      <source>Scene file</source>
      <translation>File di scene</translation>
    </message>
    <message>
      <source>Import</source>
      <translation>Importa</translation>
    </message>
    <message>
      <source>Export</source>
      <translation>Esporta</translation>
    </message>
    <message>
      <source>Changes of the recall</source>
      <translation>Modifiche del richiamo</translation>
    </message>
    <message>
      <source>No change</source>
      <translation>Nessuna modifica</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annulla</translation>
    </message>
    <message>
      <source>Recall</source>
      <translation>Richiama</translation>
    </message>
  </context>
  <context>
    <name>HouseService</name>
    <message>
      <source>There is no session bus to reach the running Tavirel.</source>
      <translation>Non c'è un bus di sessione per raggiungere il Tavirel in esecuzione.</translation>
    </message>
    <message>
      <source>Tavirel is not running.</source>
      <translation>Tavirel non è in esecuzione.</translation>
    </message>
  </context>
  <context>
    <name>KeyboardShortcuts</name>
    <message>
      <source>Keyboard shortcuts</source>
      <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
      <source>Space</source>
      <translation>Spazio</translation>
    </message>
    <message>
      <source>Play or pause</source>
      <translation>Riproduci o metti in pausa</translation>
    </message>
    <message>
      <source>Ctrl+Left</source>
      <translation>Ctrl+Sinistra</translation>
    </message>
    <message>
      <source>Previous track</source>
      <translation>Brano precedente</translation>
    </message>
    <message>
      <source>Ctrl+Right</source>
      <translation>Ctrl+Destra</translation>
    </message>
    <message>
      <source>Next track</source>
      <translation>Brano successivo</translation>
    </message>
    <message>
      <source>Ctrl+Up</source>
      <translation>Ctrl+Su</translation>
    </message>
    <message>
      <source>Volume up</source>
      <translation>Alza il volume</translation>
    </message>
    <message>
      <source>Ctrl+Down</source>
      <translation>Ctrl+Giù</translation>
    </message>
    <message>
      <source>Volume down</source>
      <translation>Abbassa il volume</translation>
    </message>
    <message>
      <source>Ctrl+M</source>
      <translation>Ctrl+M</translation>
    </message>
    <message>
      <source>Mute or unmute</source>
      <translation>Silenzia o riattiva l'audio</translation>
    </message>
    <message>
      <source>Ctrl+1</source>
      <translation>Ctrl+1</translation>
    </message>
    <message>
      <source>Sources tab</source>
      <translation>Scheda Sorgenti</translation>
    </message>
    <message>
      <source>Ctrl+2</source>
      <translation>Ctrl+2</translation>
    </message>
    <message>
      <source>Player tab</source>
      <translation>Scheda Lettore</translation>
    </message>
    <message>
      <source>Ctrl+3</source>
      <translation>Ctrl+3</translation>
    </message>
    <message>
      <source>Settings tab</source>
      <translation>Scheda Impostazioni</translation>
    </message>
    <message>
      <source>Ctrl+L</source>
      <translation>Ctrl+L</translation>
    </message>
    <message>
      <source>Open the music library</source>
      <translation>Apri la libreria musicale</translation>
    </message>
    <message>
      <source>Ctrl+F</source>
      <translation>Ctrl+F</translation>
    </message>
    <message>
      <source>Search the music library</source>
      <translation>Cerca nella libreria musicale</translation>
    </message>
    <message>
      <source>Escape</source>
      <translation>Esc</translation>
    </message>
    <message>
      <source>Close the popup or go back</source>
      <translation>Chiudi la finestra o torna indietro</translation>
    </message>
    <message>
      <source>Tab</source>
      <translation>Tab</translation>
    </message>
    <message>
      <source>Move to the next control</source>
      <translation>Passa al controllo successivo</translation>
    </message>
    <message>
      <source>Arrow keys</source>
      <translation>Tasti freccia</translation>
    </message>
    <message>
      <source>Ctrl+S</source>
      <translation>Ctrl+S</translation>
    </message>
    <message>
      <source>Save the settings page</source>
      <translation>Salva la pagina delle impostazioni</translation>
    </message>
    <message>
      <source>Shift+Tab</source>
      <translation>Maiusc+Tab</translation>
    </message>
    <message>
      <source>Move to the previous control</source>
      <translation>Passa al controllo precedente</translation>
    </message>
    <message>
      <source>Space or Return</source>
      <translation>Spazio o Invio</translation>
    </message>
    <message>
      <source>Press the focused control, toggle a matrix cell</source>
      <translation>Premi il controllo selezionato, commuta una cella della matrice</translation>
    </message>
    <message>
      <source>Move in a list or the matrix, move a focused slider</source>
      <translation>Spostati in un elenco o nella matrice, sposta il cursore selezionato</translation>
    </message>
    <message>
      <source>Page Up/Down</source>
      <translation>Pag su/giù</translation>
    </message>
    <message>
      <source>Move a focused slider by a tenth</source>
      <translation>Sposta il cursore selezionato di un decimo</translation>
    </message>
    <message>
      <source>Home/End</source>
      <translation>Inizio/Fine</translation>
    </message>
    <message>
      <source>Move a focused slider to its end</source>
      <translation>Porta il cursore selezionato all'estremo</translation>
    </message>
    <message>
      <source>Letters</source>
      <translation>Lettere</translation>
    </message>
    <message>
      <source>Go to the first choice that starts with them</source>
      <translation>Vai alla prima scelta che inizia così</translation>
    </message>
    <message>
      <source>Delete key</source>
      <translation>Tasto Canc</translation>
    </message>
    <message>
      <source>Remove the focused row</source>
      <translation>Rimuovi la riga selezionata</translation>
    </message>
    <message>
      <source>Ctrl+Z</source>
      <translation>Ctrl+Z</translation>
    </message>
    <message>
      <source>Undo the last change</source>
      <translation>Annulla l'ultima modifica</translation>
    </message>
    <message>
      <source>Ctrl+Shift+Z</source>
      <translation>Ctrl+Maiusc+Z</translation>
    </message>
    <message>
      <source>Redo the change undone</source>
      <translation>Ripeti la modifica annullata</translation>
    </message>
  </context>
  <context>
    <name>LinkProblemBar</name>
    <message>
      <source>Retry</source>
      <translation>Riprova</translation>
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
    <message>
      <source>Authentication failed.</source>
      <translation>Autenticazione non riuscita.</translation>
    </message>
    <message>
      <source>No Tavirel selected.</source>
      <translation>Nessun Tavirel selezionato.</translation>
    </message>
    <message>
      <source>%1 was removed and disconnected. Choose a Tavirel to control.</source>
      <translation>%1 è stato rimosso e disconnesso. Scegli un Tavirel da controllare.</translation>
    </message>
  </context>
  <context>
    <name>MatrixPopup</name>
    <message>
      <source>Routing</source>
      <translation>Instradamento</translation>
    </message>
    <message>
      <source>Disconnect %1</source>
      <translation>Scollega %1</translation>
    </message>
    <message>
      <source>%1 plays %2</source>
      <translation>%1 riproduce %2</translation>
    </message>
  </context>
  <context>
    <name>MoreMenu</name>
    <message>
      <source>Choose a playlist</source>
      <translation>Scegli una playlist</translation>
    </message>
    <message>
      <source>There are no playlists yet</source>
      <translation>Non ci sono ancora playlist</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annulla</translation>
    </message>
    <message>
      <source>New playlist…</source>
      <translation>Nuova playlist…</translation>
    </message>
  </context>
  <context>
    <name>NavigationBar</name>
    <message>
      <source>Close</source>
      <translation>Chiudi</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Salva</translation>
    </message>
  </context>
  <context>
    <name>NavigationButton</name>
    <message>
      <source>Back to %1</source>
      <translation>Torna a %1</translation>
    </message>
    <message>
      <source>previous page</source>
      <translation>pagina precedente</translation>
    </message>
  </context>
  <context>
    <name>Notices</name>
    <message>
      <source>Undo</source>
      <translation>Annulla</translation>
    </message>
    <message>
      <source>Undone</source>
      <translation>Annullato</translation>
    </message>
  </context>
  <context>
    <name>NumberCell</name>
    <message>
      <source>not set</source>
      <translation>non impostato</translation>
    </message>
  </context>
  <context>
    <name>OutputListPanel</name>
    <message>
      <source>Outputs</source>
      <translation>Uscite</translation>
    </message>
    <message>
      <source>Choose outputs</source>
      <translation>Scegli le uscite</translation>
    </message>
    <message>
      <source>No output plays this source</source>
      <translation>Nessuna uscita riproduce questa sorgente</translation>
    </message>
  </context>
  <context>
    <name>OutputRow</name>
    <message>
      <source>Plays %1</source>
      <translation>Riproduce %1</translation>
    </message>
    <message>
      <source>Silent</source>
      <translation>Silenzioso</translation>
    </message>
  </context>
  <context>
    <name>OutputSelector</name>
    <message>
      <source>Outputs for %1</source>
      <translation>Uscite per %1</translation>
    </message>
    <message>
      <source>Outputs</source>
      <translation>Uscite</translation>
    </message>
    <message>
      <source>Playing this source</source>
      <translation>Riproduce questa sorgente</translation>
    </message>
    <message>
      <source>Playing %1</source>
      <translation>In riproduzione: %1</translation>
    </message>
    <message>
      <source>Silent</source>
      <translation>Silenzioso</translation>
    </message>
  </context>
  <context>
    <name>OutputsHeader</name>
    <message>
      <source>Outputs</source>
      <translation>Uscite</translation>
    </message>
    <message>
      <source>Routing matrix</source>
      <translation>Matrice di instradamento</translation>
    </message>
  </context>
  <context>
    <name>PanelHeader</name>
    <message>
      <source>Close</source>
      <translation>Chiudi</translation>
    </message>
  </context>
  <context>
    <name>PlayButton</name>
    <message>
      <source>Play</source>
      <translation>Riproduci</translation>
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
      <source>Add</source>
      <translation>Aggiungi</translation>
    </message>
    <message>
      <source>Nothing playing</source>
      <translation>Nessuna riproduzione</translation>
    </message>
    <message>
      <source>Library</source>
      <translation>Libreria</translation>
    </message>
    <message>
      <source>Queue</source>
      <translation>Coda</translation>
    </message>
    <message>
      <source>Position</source>
      <translation>Posizione</translation>
    </message>
    <message>
      <source>Previous</source>
      <translation>Precedente</translation>
    </message>
    <message>
      <source>Pause</source>
      <translation>Pausa</translation>
    </message>
    <message>
      <source>Play</source>
      <translation>Riproduci</translation>
    </message>
    <message>
      <source>Next</source>
      <translation>Successivo</translation>
    </message>
    <message>
      <source>Playlists</source>
      <translation>Playlist</translation>
    </message>
    <message>
      <source>Search</source>
      <translation>Cerca</translation>
    </message>
    <message>
      <source>Replace</source>
      <translation>Sostituisci</translation>
    </message>
    <message>
      <source>A playlist named "%1" already exists. Replace its tracks with the queue?</source>
      <translation>Esiste già una playlist di nome "%1". Sostituirne i brani con la coda?</translation>
    </message>
    <message>
      <source>Queue saved as "%1"</source>
      <translation>Coda salvata come "%1"</translation>
    </message>
    <message>
      <source>Queue cleared</source>
      <translation>Coda svuotata</translation>
    </message>
    <message>
      <source>Not added: a URL starts with its scheme, for example http://</source>
      <translation>Non aggiunto: un URL inizia con il suo schema, per esempio http://</translation>
    </message>
    <message>
      <source>URL added to the queue</source>
      <translation>URL aggiunto alla coda</translation>
    </message>
    <message>
      <source>Track is not playable</source>
      <translation>Il brano non è riproducibile</translation>
    </message>
    <message>
      <source>Music server not reachable — retrying</source>
      <translation>Server musicale non raggiungibile — nuovo tentativo in corso</translation>
    </message>
    <message>
      <source>Choose outputs</source>
      <translation>Scegli le uscite</translation>
    </message>
    <message>
      <source>No output plays this source</source>
      <translation>Nessuna uscita riproduce questa sorgente</translation>
    </message>
    <message>
      <source>Repeat</source>
      <translation>Ripeti</translation>
    </message>
    <message>
      <source>Repeat is on</source>
      <translation>Ripetizione attiva</translation>
    </message>
    <message>
      <source>Repeat is off</source>
      <translation>Ripetizione disattivata</translation>
    </message>
    <message>
      <source>Shuffle</source>
      <translation>Riproduzione casuale</translation>
    </message>
    <message>
      <source>Shuffle is on</source>
      <translation>Riproduzione casuale attiva</translation>
    </message>
    <message>
      <source>Shuffle is off</source>
      <translation>Riproduzione casuale disattivata</translation>
    </message>
    <message>
      <source>A URL starts with its scheme, for example http://</source>
      <translation>Un URL inizia con il suo schema, per esempio http://</translation>
    </message>
    <message>
      <source>Add URL</source>
      <translation>Aggiungi URL</translation>
    </message>
  </context>
  <context>
    <name>PlaylistEntriesView</name>
    <message>
      <source>Tavirel presets</source>
      <translation>Preselezioni del Tavirel</translation>
    </message>
    <message>
      <source>No playlist</source>
      <translation>Nessuna playlist</translation>
    </message>
    <message>
      <source>This Tavirel has no presets.</source>
      <translation>Questo Tavirel non ha preselezioni.</translation>
    </message>
  </context>
  <context>
    <name>PlaylistNavigationController</name>
    <message>
      <source>Add</source>
      <translation>Aggiungi</translation>
    </message>
  </context>
  <context>
    <name>PlaylistRootView</name>
    <message>
      <source>There are no playlists yet. Add one with the Add button.</source>
      <translation>Non ci sono ancora playlist. Creane una con il pulsante Aggiungi.</translation>
    </message>
    <message>
      <source>This device has no media player.</source>
      <translation>Questo dispositivo non ha un lettore multimediale.</translation>
    </message>
    <message>
      <source>Playlists</source>
      <translation>Playlist</translation>
    </message>
    <message>
      <source>Tavirel preset: %1</source>
      <translation>Preselezione del Tavirel: %1</translation>
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
    <name>QueueView</name>
    <message>
      <source>Queue (%1)</source>
      <translation>Coda (%1)</translation>
    </message>
    <message>
      <source>Queue</source>
      <translation>Coda</translation>
    </message>
    <message>
      <source>Add a stream URL</source>
      <translation>Aggiungi un URL di streaming</translation>
    </message>
    <message>
      <source>Save the queue as a playlist</source>
      <translation>Salva la coda come playlist</translation>
    </message>
    <message>
      <source>Clear the queue</source>
      <translation>Svuota la coda</translation>
    </message>
    <message>
      <source>The queue is empty</source>
      <translation>La coda è vuota</translation>
    </message>
    <message>
      <source>No player selected</source>
      <translation>Nessun lettore selezionato</translation>
    </message>
    <message>
      <source>Show current track</source>
      <translation>Mostra il brano attuale</translation>
    </message>
  </context>
  <context>
    <name>SearchRootView</name>
    <message>
      <source>Artists, albums or tracks</source>
      <translation>Artisti, album o brani</translation>
    </message>
    <message>
      <source>Search text</source>
      <translation>Testo da cercare</translation>
    </message>
    <message>
      <source>Search</source>
      <translation>Cerca</translation>
    </message>
    <message>
      <source>Show filters</source>
      <translation>Mostra filtri</translation>
    </message>
    <message>
      <source>Show more...</source>
      <translation>Mostra altro...</translation>
    </message>
    <message>
      <source>Type what you are looking for and press Search</source>
      <translation>Scrivi ciò che cerchi e premi Cerca</translation>
    </message>
    <message>
      <source>Nothing found</source>
      <translation>Nessun risultato</translation>
    </message>
    <message>
      <source>Search in</source>
      <translation>Cerca in</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annulla</translation>
    </message>
  </context>
  <context>
    <name>SettingsEditorView</name>
    <message>
      <source>Save</source>
      <translation>Salva</translation>
    </message>
    <message>
      <source>Nothing here yet. Use Add to create an element.</source>
      <translation>Ancora niente. Usa Aggiungi per creare un elemento.</translation>
    </message>
    <message>
      <source>No settings to show.</source>
      <translation>Nessuna impostazione da mostrare.</translation>
    </message>
    <message>
      <source>Add</source>
      <translation>Aggiungi</translation>
    </message>
  </context>
  <context>
    <name>SettingsRootView</name>
    <message>
      <source>No Tavirel selected</source>
      <translation>Nessun Tavirel selezionato</translation>
    </message>
    <message>
      <source>Find a Tavirel on your network or add one by hand.</source>
      <translation>Trova un Tavirel nella rete o aggiungine uno a mano.</translation>
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
      <source>Device settings</source>
      <translation>Impostazioni del dispositivo</translation>
    </message>
    <message>
      <source>Outputs, sources, storage and services</source>
      <translation>Uscite, sorgenti, archiviazione e servizi</translation>
    </message>
    <message>
      <source>Available while connected</source>
      <translation>Disponibile durante la connessione</translation>
    </message>
    <message>
      <source>Find a Tavirel</source>
      <translation>Trova un Tavirel</translation>
    </message>
    <message>
      <source>Devices on your network and saved devices</source>
      <translation>Dispositivi in rete e dispositivi salvati</translation>
    </message>
    <message>
      <source>Colour theme</source>
      <translation>Tema colori</translation>
    </message>
    <message>
      <source>Terms and conditions</source>
      <translation>Termini e condizioni</translation>
    </message>
    <message>
      <source>Keyboard shortcuts</source>
      <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
      <source>Close to the panel</source>
      <translation>Chiudi nel pannello</translation>
    </message>
    <message>
      <source>Closing the window keeps Tavirel in the desktop panel</source>
      <translation>Chiudendo la finestra Tavirel resta nel pannello del desktop</translation>
    </message>
    <message>
      <source>Track notifications</source>
      <translation>Notifiche dei brani</translation>
    </message>
    <message>
      <source>Tell on the desktop when the player moves to another track</source>
      <translation>Avvisa sul desktop quando il lettore passa a un altro brano</translation>
    </message>
  </context>
  <context>
    <name>SettingsRow</name>
    <message>
      <source>Remove %1</source>
      <translation>Rimuovi %1</translation>
    </message>
  </context>
  <context>
    <name>SettingsSchema</name>
    <message>
      <source>The minimum volume (%1 dB) cannot be above the maximum volume (%2 dB).</source>
      <translation>Il volume minimo (%1 dB) non può superare il volume massimo (%2 dB).</translation>
    </message>
  </context>
  <context>
    <name>SettingsTransfer</name>
    <message>
      <source>the answer is not a settings object</source>
      <translation>la risposta non è un oggetto di impostazioni</translation>
    </message>
    <message>
      <source>the user name or password was not accepted</source>
      <translation>nome utente o password non accettati</translation>
    </message>
    <message>
      <source>the answer is too large</source>
      <translation>la risposta è troppo grande</translation>
    </message>
  </context>
  <context>
    <name>SettingsUnavailable</name>
    <message>
      <source>Reading the device's settings...</source>
      <translation>Lettura delle impostazioni del dispositivo...</translation>
    </message>
    <message>
      <source>The device's settings are not available yet.</source>
      <translation>Le impostazioni del dispositivo non sono ancora disponibili.</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>Riprova</translation>
    </message>
  </context>
  <context>
    <name>SettingsView</name>
    <message>
      <source>Settings</source>
      <translation>Impostazioni</translation>
    </message>
    <message>
      <source>Could not read the device's settings: %1</source>
      <translation>Impossibile leggere le impostazioni del dispositivo: %1</translation>
    </message>
    <message>
      <source>Device settings</source>
      <translation>Impostazioni del dispositivo</translation>
    </message>
    <message>
      <source>Settings saved</source>
      <translation>Impostazioni salvate</translation>
    </message>
    <message>
      <source>Could not save the settings: %1</source>
      <translation>Impossibile salvare le impostazioni: %1</translation>
    </message>
    <message>
      <source>the device has not said where to send them</source>
      <translation>il dispositivo non ha indicato dove inviarle</translation>
    </message>
    <message>
      <source>Terms and conditions</source>
      <translation>Termini e condizioni</translation>
    </message>
    <message>
      <source>Keyboard shortcuts</source>
      <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
      <source>Unsaved changes</source>
      <translation>Modifiche non salvate</translation>
    </message>
    <message>
      <source>Save the changes to %1 before leaving the page?</source>
      <translation>Salvare le modifiche a %1 prima di lasciare la pagina?</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Salva</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>Scarta</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annulla</translation>
    </message>
    <message>
      <source>Add to %1</source>
      <translation>Nuova voce in «%1»</translation>
    </message>
    <message>
      <source>Choose what to add.</source>
      <translation>Scegli cosa aggiungere.</translation>
    </message>
    <message>
      <source>Colour theme</source>
      <translation>Tema colori</translation>
    </message>
  </context>
  <context>
    <name>SongCell</name>
    <message>
      <source>Play %1</source>
      <translation>Riproduci %1</translation>
    </message>
    <message>
      <source>Remove %1</source>
      <translation>Rimuovi %1</translation>
    </message>
    <message>
      <source>More actions for %1</source>
      <translation>Altre azioni per %1</translation>
    </message>
    <message>
      <source>Playing now</source>
      <translation>In riproduzione</translation>
    </message>
  </context>
  <context>
    <name>Source</name>
    <message>
      <source>Not routed</source>
      <translation>Non instradata</translation>
    </message>
    <message>
      <source>Playing on %1</source>
      <translation>In riproduzione su %1</translation>
    </message>
    <message>
      <source>%1 and %2 more</source>
      <translation>%1 e altre %2</translation>
    </message>
  </context>
  <context>
    <name>SourcesView</name>
    <message>
      <source>Not routed</source>
      <translation>Non instradata</translation>
    </message>
    <message>
      <source>Sources</source>
      <translation>Sorgenti</translation>
    </message>
    <message>
      <source>Routing matrix</source>
      <translation>Matrice di instradamento</translation>
    </message>
    <message>
      <source>Nothing playing</source>
      <translation>Nessuna riproduzione</translation>
    </message>
    <message>
      <source>Line input</source>
      <translation>Ingresso di linea</translation>
    </message>
    <message>
      <source>On %1</source>
      <translation>Su %1</translation>
    </message>
    <message>
      <source>Music server not reachable — retrying</source>
      <translation>Server musicale non raggiungibile — nuovo tentativo in corso</translation>
    </message>
    <message>
      <source>House: scenes, All off, sleep timer</source>
      <translation>Casa: scene, Tutto spento, timer di spegnimento</translation>
    </message>
  </context>
  <context>
    <name>SwitchCell</name>
    <message>
      <source>on</source>
      <translation>attivo</translation>
    </message>
    <message>
      <source>off</source>
      <translation>disattivato</translation>
    </message>
  </context>
  <context>
    <name>TavirelConnThread</name>
    <message>
      <source>Disconnected.</source>
      <translation>Disconnesso.</translation>
    </message>
    <message>
      <source>Authentication failed.</source>
      <translation>Autenticazione non riuscita.</translation>
    </message>
    <message>
      <source>User name and password must not contain "|".</source>
      <translation>Nome utente e password non devono contenere "|".</translation>
    </message>
    <message>
      <source>Tavirel</source>
      <translation>Tavirel</translation>
    </message>
    <message>
      <source>Connecting to %1…</source>
      <translation>Connessione a %1 in corso…</translation>
    </message>
    <message>
      <source>Logging in to %1…</source>
      <translation>Accesso a %1 in corso…</translation>
    </message>
    <message>
      <source>Connection to %1 lost — reconnecting…</source>
      <translation>Connessione a %1 persa — nuova connessione in corso…</translation>
    </message>
    <message>
      <source>Next attempt in %1 s.</source>
      <translation>Prossimo tentativo tra %1 s.</translation>
    </message>
    <message>
      <source>none</source>
      <translation>nessuno</translation>
    </message>
    <message>
      <source>%1 (%2)</source>
      <translation>%1 (%2)</translation>
    </message>
    <message>
      <source>%1 refused the connection. Is the address right and the Tavirel switched on?</source>
      <translation>%1 ha rifiutato la connessione. L'indirizzo è corretto e il Tavirel è acceso?</translation>
    </message>
    <message>
      <source>%1 has no address. Choose another Tavirel or add it again.</source>
      <translation>%1 non ha un indirizzo. Scegli un altro Tavirel o aggiungilo di nuovo.</translation>
    </message>
    <message>
      <source>%1 cannot be reached. Check the address and the network.</source>
      <translation>%1 non è raggiungibile. Controlla l'indirizzo e la rete.</translation>
    </message>
    <message>
      <source>%1 did not answer in time. Check the address and the network.</source>
      <translation>%1 non ha risposto in tempo. Controlla l'indirizzo e la rete.</translation>
    </message>
    <message>
      <source>%1 did not answer the login.</source>
      <translation>%1 non ha risposto all'accesso.</translation>
    </message>
    <message>
      <source>%1 accepted the login but sent no data.</source>
      <translation>%1 ha accettato l'accesso ma non ha inviato dati.</translation>
    </message>
    <message>
      <source>%1 closed the connection during the login.</source>
      <translation>%1 ha chiuso la connessione durante l'accesso.</translation>
    </message>
    <message>
      <source>%1 stopped answering.</source>
      <translation>%1 non risponde più.</translation>
    </message>
    <message>
      <source>Trying again…</source>
      <translation>Nuovo tentativo…</translation>
    </message>
  </context>
  <context>
    <name>TermsAndConditions</name>
    <message>
      <source>Terms and conditions</source>
      <translation>Termini e condizioni</translation>
    </message>
  </context>
  <context>
    <name>ThemeSelector</name>
    <message>
      <source>Dark</source>
      <translation>Scuro</translation>
    </message>
    <message>
      <source>Light</source>
      <translation>Chiaro</translation>
    </message>
    <message>
      <source>High contrast</source>
      <translation>Contrasto elevato</translation>
    </message>
    <message>
      <source>Ocean</source>
      <translation>Oceano</translation>
    </message>
    <message>
      <source>In use</source>
      <translation>In uso</translation>
    </message>
  </context>
  <context>
    <name>TrayController</name>
    <message>
      <source>Not connected</source>
      <translation>Non connesso</translation>
    </message>
    <message>
      <source>Nothing playing</source>
      <translation>Nessuna riproduzione</translation>
    </message>
    <message>
      <source>%1 – %2</source>
      <translation>%1 – %2</translation>
    </message>
    <message>
      <source>Nothing playing on %1</source>
      <translation>Nessuna riproduzione su %1</translation>
    </message>
    <message>
      <source>%1 on %2</source>
      <translation>%1 su %2</translation>
    </message>
    <message>
      <source>Pause</source>
      <translation>Pausa</translation>
    </message>
    <message>
      <source>Play</source>
      <translation>Riproduci</translation>
    </message>
    <message>
      <source>Next track</source>
      <translation>Brano successivo</translation>
    </message>
    <message>
      <source>Switch device</source>
      <translation>Cambia dispositivo</translation>
    </message>
    <message>
      <source>Show window</source>
      <translation>Mostra finestra</translation>
    </message>
    <message>
      <source>Quit</source>
      <translation>Esci</translation>
    </message>
    <message>
      <source>Resume</source>
      <translation>Riprendi</translation>
    </message>
    <message>
      <source>All off</source>
      <translation>Tutto spento</translation>
    </message>
    <message>
      <source>Sleep timer (%1 min left)</source>
      <translation>Timer di spegnimento (%1 min rimanenti)</translation>
    </message>
    <message>
      <source>Sleep timer</source>
      <translation>Timer di spegnimento</translation>
    </message>
    <message>
      <source>%1 min</source>
      <translation>%1 min</translation>
    </message>
    <message>
      <source>Cancel timer</source>
      <translation>Annulla timer</translation>
    </message>
    <message>
      <source>Scenes</source>
      <translation>Scene</translation>
    </message>
  </context>
  <context>
    <name>TrayMixer</name>
    <message>
      <source>Tavirel mixer</source>
      <translation>Mixer Tavirel</translation>
    </message>
    <message>
      <source>Tavirel</source>
      <translation>Tavirel</translation>
    </message>
    <message>
      <source>Not connected</source>
      <translation>Non connesso</translation>
    </message>
    <message>
      <source>%1 – %2</source>
      <translation>%1 – %2</translation>
    </message>
    <message>
      <source>Nothing playing</source>
      <translation>Nessuna riproduzione</translation>
    </message>
    <message>
      <source>Pause %1</source>
      <translation>Metti in pausa %1</translation>
    </message>
    <message>
      <source>Play %1</source>
      <translation>Riproduci %1</translation>
    </message>
    <message>
      <source>No source</source>
      <translation>Nessuna sorgente</translation>
    </message>
    <message>
      <source>Resume</source>
      <translation>Riprendi</translation>
    </message>
    <message>
      <source>All off</source>
      <translation>Tutto spento</translation>
    </message>
  </context>
  <context>
    <name>VolumeRow</name>
    <message>
      <source>%1 volume</source>
      <translation>Volume %1</translation>
    </message>
    <message>
      <source>Unmute %1</source>
      <translation>Riattiva l'audio di %1</translation>
    </message>
    <message>
      <source>Mute %1</source>
      <translation>Silenzia %1</translation>
    </message>
    <message>
      <source>Equalizer of %1</source>
      <translation>Equalizzatore di %1</translation>
    </message>
    <message>
      <source>Outputs of %1</source>
      <translation>Uscite di %1</translation>
    </message>
    <message>
      <source>Open %1 in the player</source>
      <translation>Apri %1 nel lettore</translation>
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