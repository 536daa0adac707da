<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
  <context>
    <name>AddDevicePopup</name>
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
    <message>
      <source>Address (and port, if not 7550)</source>
      <translation>Adresse (und Port, falls nicht 7550)</translation>
    </message>
    <message>
      <source>User name and password must not contain "|".</source>
      <translation>Benutzername und Passwort dürfen kein "|" enthalten.</translation>
    </message>
    <message>
      <source>for example %1</source>
      <translation>zum Beispiel %1</translation>
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
    <message>
      <source>User name and password must not contain "|".</source>
      <translation>Benutzername und Passwort dürfen kein "|" enthalten.</translation>
    </message>
  </context>
  <context>
    <name>BrowseList</name>
    <message>
      <source>Nothing to show here</source>
      <translation>Hier gibt es nichts anzuzeigen</translation>
    </message>
  </context>
  <context>
    <name>BrowseListView</name>
    <message>
      <source>Library</source>
      <translation>Bibliothek</translation>
    </message>
  </context>
  <context>
    <name>BrowseNavigationController</name>
    <message>
      <source>The media player is not connected.</source>
      <translation>Der Mediaplayer ist nicht verbunden.</translation>
    </message>
    <message>
      <source>This device has no media player to browse.</source>
      <translation>Dieses Gerät hat keinen Mediaplayer zum Durchsuchen.</translation>
    </message>
    <message>
      <source>Search</source>
      <translation>Suche</translation>
    </message>
    <message>
      <source>Playlists</source>
      <translation>Playlists</translation>
    </message>
    <message>
      <source>The library is empty</source>
      <translation>Die Bibliothek ist leer</translation>
    </message>
    <message>
      <source>New Playlist</source>
      <translation>Neue Playlist</translation>
    </message>
    <message>
      <source>Create new playlist with name</source>
      <translation>Neue Playlist erstellen mit dem Namen</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Speichern</translation>
    </message>
    <message>
      <source>Rename</source>
      <translation>Umbenennen</translation>
    </message>
    <message>
      <source>Rename current playlist with name</source>
      <translation>Aktuelle Playlist umbenennen in</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Löschen</translation>
    </message>
    <message>
      <source>Do you want to delete the playlist?</source>
      <translation>Möchten Sie die Playlist löschen?</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>Add</source>
      <translation>Hinzufügen</translation>
    </message>
    <message>
      <source>This playlist's name cannot be stored on the Tavirel</source>
      <translation>Der Name dieser Playlist kann auf dem Tavirel nicht gespeichert werden</translation>
    </message>
    <message>
      <source>A playlist name on the Tavirel cannot contain "@" or "|"</source>
      <translation>Ein Playlist-Name auf dem Tavirel darf kein „@“ und kein „|“ enthalten</translation>
    </message>
    <message>
      <source>Added to the queue</source>
      <translation>Zur Warteschlange hinzugefügt</translation>
    </message>
    <message>
      <source>%1 tracks added to the queue</source>
      <translation>%1 Titel zur Warteschlange hinzugefügt</translation>
    </message>
    <message>
      <source>Added to "%1"</source>
      <translation>Zu "%1" hinzugefügt</translation>
    </message>
    <message>
      <source>"%1" added to the queue</source>
      <translation>"%1" zur Warteschlange hinzugefügt</translation>
    </message>
    <message>
      <source>A playlist named "%1" already exists</source>
      <translation>Eine Playlist namens "%1" gibt es bereits</translation>
    </message>
    <message>
      <source>Playlist "%1" created</source>
      <translation>Playlist "%1" erstellt</translation>
    </message>
    <message>
      <source>Replace</source>
      <translation>Ersetzen</translation>
    </message>
    <message>
      <source>A playlist named "%1" already exists. Replace it?</source>
      <translation>Eine Playlist namens "%1" gibt es bereits. Ersetzen?</translation>
    </message>
    <message>
      <source>Playlist renamed to "%1"</source>
      <translation>Playlist in "%1" umbenannt</translation>
    </message>
    <message>
      <source>Playlist deleted</source>
      <translation>Playlist gelöscht</translation>
    </message>
    <message>
      <source>Playlist "%1" deleted</source>
      <translation>Playlist "%1" gelöscht</translation>
    </message>
    <message>
      <source>Do you want to delete the playlist "%1"?</source>
      <translation>Möchten Sie die Playlist „%1“ löschen?</translation>
    </message>
  </context>
  <context>
    <name>ChoiceDialogFrame</name>
    <message>
      <source>selected</source>
      <translation>ausgewählt</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
  </context>
  <context>
    <name>CommandLine</name>
    <message>
      <source>Show this help and quit.</source>
      <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
      <source>Show the version and quit.</source>
      <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
      <source>Connect to the saved Tavirel at this address (and port).</source>
      <translation>Mit dem gespeicherten Tavirel an dieser Adresse (und diesem Port) verbinden.</translation>
    </message>
    <message>
      <source>HOST[:PORT]</source>
      <translation>HOST[:PORT]</translation>
    </message>
    <message>
      <source>Remote control for Tavirel audio devices.</source>
      <translation>Fernbedienung für Tavirel-Audiogeräte.</translation>
    </message>
    <message>
      <source>Unexpected argument: %1</source>
      <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
      <source>Try "%1 --help".</source>
      <translation>Versuchen Sie "%1 --help".</translation>
    </message>
    <message>
      <source>No saved Tavirel at %1: starting as usual.</source>
      <translation>Kein gespeichertes Tavirel unter %1: normaler Start.</translation>
    </message>
    <message>
      <source>Recall this scene in the running Tavirel window and quit.</source>
      <translation>Diese Szene im laufenden Tavirel-Fenster abrufen und beenden.</translation>
    </message>
    <message>
      <source>NAME</source>
      <translation>NAME</translation>
    </message>
    <message>
      <source>Switch every output off in the running Tavirel window and quit.</source>
      <translation>Im laufenden Tavirel-Fenster alle Ausgänge ausschalten und beenden.</translation>
    </message>
    <message>
      <source>--scene and --all-off cannot be given together.</source>
      <translation>--scene und --all-off können nicht zusammen angegeben werden.</translation>
    </message>
  </context>
  <context>
    <name>ConnectionScreen</name>
    <message>
      <source>Connecting to Tavirel...</source>
      <translation>Verbindung zum Tavirel wird hergestellt...</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>Erneut versuchen</translation>
    </message>
    <message>
      <source>Choose another Tavirel</source>
      <translation>Anderes Tavirel wählen</translation>
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
      <translation>Albanien</translation>
    </message>
    <message>
      <source>Algeria</source>
      <translation>Algerien</translation>
    </message>
    <message>
      <source>American Samoa</source>
      <translation>Amerikanisch-Samoa</translation>
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
      <translation>Antarktis</translation>
    </message>
    <message>
      <source>Antigua and Barbuda</source>
      <translation>Antigua und Barbuda</translation>
    </message>
    <message>
      <source>Argentina</source>
      <translation>Argentinien</translation>
    </message>
    <message>
      <source>Armenia</source>
      <translation>Armenien</translation>
    </message>
    <message>
      <source>Aruba</source>
      <translation>Aruba</translation>
    </message>
    <message>
      <source>Australia</source>
      <translation>Australien</translation>
    </message>
    <message>
      <source>Austria</source>
      <translation>Österreich</translation>
    </message>
    <message>
      <source>Azerbaijan</source>
      <translation>Aserbaidschan</translation>
    </message>
    <message>
      <source>Bahamas</source>
      <translation>Bahamas</translation>
    </message>
    <message>
      <source>Bahrain</source>
      <translation>Bahrain</translation>
    </message>
    <message>
      <source>Bangladesh</source>
      <translation>Bangladesch</translation>
    </message>
    <message>
      <source>Barbados</source>
      <translation>Barbados</translation>
    </message>
    <message>
      <source>Belarus</source>
      <translation>Belarus</translation>
    </message>
    <message>
      <source>Belgium</source>
      <translation>Belgien</translation>
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
      <translation>Bolivien</translation>
    </message>
    <message>
      <source>Bonaire, Sint Eustatius and Saba</source>
      <translation>Bonaire, Sint Eustatius und Saba</translation>
    </message>
    <message>
      <source>Bosnia and Herzegovina</source>
      <translation>Bosnien und Herzegowina</translation>
    </message>
    <message>
      <source>Botswana</source>
      <translation>Botsuana</translation>
    </message>
    <message>
      <source>Bouvet Island</source>
      <translation>Bouvet-Insel</translation>
    </message>
    <message>
      <source>Brazil</source>
      <translation>Brasilien</translation>
    </message>
    <message>
      <source>British Indian Ocean Territory</source>
      <translation>Britisches Territorium im Indischen Ozean</translation>
    </message>
    <message>
      <source>Brunei Darussalam</source>
      <translation>Brunei Darussalam</translation>
    </message>
    <message>
      <source>Bulgaria</source>
      <translation>Bulgarien</translation>
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
      <translation>Kap Verde</translation>
    </message>
    <message>
      <source>Cambodia</source>
      <translation>Kambodscha</translation>
    </message>
    <message>
      <source>Cameroon</source>
      <translation>Kamerun</translation>
    </message>
    <message>
      <source>Canada</source>
      <translation>Kanada</translation>
    </message>
    <message>
      <source>Cayman Islands</source>
      <translation>Cayman-Inseln</translation>
    </message>
    <message>
      <source>Central African Republic</source>
      <translation>Zentralafrikanische Republik</translation>
    </message>
    <message>
      <source>Chad</source>
      <translation>Tschad</translation>
    </message>
    <message>
      <source>Chile</source>
      <translation>Chile</translation>
    </message>
    <message>
      <source>China</source>
      <translation>China</translation>
    </message>
    <message>
      <source>Christmas Island</source>
      <translation>Weihnachtsinseln</translation>
    </message>
    <message>
      <source>Cocos (Keeling) Islands</source>
      <translation>Kokos-(Keeling-)Inseln</translation>
    </message>
    <message>
      <source>Colombia</source>
      <translation>Kolumbien</translation>
    </message>
    <message>
      <source>Comoros</source>
      <translation>Komoren</translation>
    </message>
    <message>
      <source>Congo</source>
      <translation>Kongo</translation>
    </message>
    <message>
      <source>Congo, The Democratic Republic of the</source>
      <translation>Demokratische Republik Kongo</translation>
    </message>
    <message>
      <source>Cook Islands</source>
      <translation>Cookinseln</translation>
    </message>
    <message>
      <source>Costa Rica</source>
      <translation>Costa Rica</translation>
    </message>
    <message>
      <source>Croatia</source>
      <translation>Kroatien</translation>
    </message>
    <message>
      <source>Cuba</source>
      <translation>Kuba</translation>
    </message>
    <message>
      <source>Curaçao</source>
      <translation>Curaçao</translation>
    </message>
    <message>
      <source>Cyprus</source>
      <translation>Zypern</translation>
    </message>
    <message>
      <source>Czechia</source>
      <translation>Tschechien</translation>
    </message>
    <message>
      <source>Côte d'Ivoire</source>
      <translation>Côte d'Ivoire</translation>
    </message>
    <message>
      <source>Denmark</source>
      <translation>Dänemark</translation>
    </message>
    <message>
      <source>Djibouti</source>
      <translation>Dschibuti</translation>
    </message>
    <message>
      <source>Dominica</source>
      <translation>Dominica</translation>
    </message>
    <message>
      <source>Dominican Republic</source>
      <translation>Dominikanische Republik</translation>
    </message>
    <message>
      <source>Ecuador</source>
      <translation>Ecuador</translation>
    </message>
    <message>
      <source>Egypt</source>
      <translation>Ägypten</translation>
    </message>
    <message>
      <source>El Salvador</source>
      <translation>El Salvador</translation>
    </message>
    <message>
      <source>Equatorial Guinea</source>
      <translation>Äquatorialguinea</translation>
    </message>
    <message>
      <source>Eritrea</source>
      <translation>Eritrea</translation>
    </message>
    <message>
      <source>Estonia</source>
      <translation>Estland</translation>
    </message>
    <message>
      <source>Eswatini</source>
      <translation>Eswatini</translation>
    </message>
    <message>
      <source>Ethiopia</source>
      <translation>Äthiopien</translation>
    </message>
    <message>
      <source>Falkland Islands (Malvinas)</source>
      <translation>Falklandinseln (Malwinen)</translation>
    </message>
    <message>
      <source>Faroe Islands</source>
      <translation>Färöer-Inseln</translation>
    </message>
    <message>
      <source>Fiji</source>
      <translation>Fidschi</translation>
    </message>
    <message>
      <source>Finland</source>
      <translation>Finnland</translation>
    </message>
    <message>
      <source>France</source>
      <translation>Frankreich</translation>
    </message>
    <message>
      <source>French Guiana</source>
      <translation>Französisch-Guyana</translation>
    </message>
    <message>
      <source>French Polynesia</source>
      <translation>Französisch-Polynesien</translation>
    </message>
    <message>
      <source>French Southern Territories</source>
      <translation>Französische Süd- und Antarktisgebiete</translation>
    </message>
    <message>
      <source>Gabon</source>
      <translation>Gabun</translation>
    </message>
    <message>
      <source>Gambia</source>
      <translation>Gambia</translation>
    </message>
    <message>
      <source>Georgia</source>
      <translation>Georgien</translation>
    </message>
    <message>
      <source>Germany</source>
      <translation>Deutschland</translation>
    </message>
    <message>
      <source>Ghana</source>
      <translation>Ghana</translation>
    </message>
    <message>
      <source>Gibraltar</source>
      <translation>Gibraltar</translation>
    </message>
    <message>
      <source>Greece</source>
      <translation>Griechenland</translation>
    </message>
    <message>
      <source>Greenland</source>
      <translation>Grönland</translation>
    </message>
    <message>
      <source>Grenada</source>
      <translation>Grenada</translation>
    </message>
    <message>
      <source>Guadeloupe</source>
      <translation>Guadeloupe</translation>
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
      <translation>Heard und McDonaldinseln</translation>
    </message>
    <message>
      <source>Holy See (Vatican City State)</source>
      <translation>Heiliger Stuhl (Staat Vatikanstadt)</translation>
    </message>
    <message>
      <source>Honduras</source>
      <translation>Honduras</translation>
    </message>
    <message>
      <source>Hong Kong</source>
      <translation>Hongkong</translation>
    </message>
    <message>
      <source>Hungary</source>
      <translation>Ungarn</translation>
    </message>
    <message>
      <source>Iceland</source>
      <translation>Island</translation>
    </message>
    <message>
      <source>India</source>
      <translation>Indien</translation>
    </message>
    <message>
      <source>Indonesia</source>
      <translation>Indonesien</translation>
    </message>
    <message>
      <source>Iran</source>
      <translation>Iran</translation>
    </message>
    <message>
      <source>Iraq</source>
      <translation>Irak</translation>
    </message>
    <message>
      <source>Ireland</source>
      <translation>Irland</translation>
    </message>
    <message>
      <source>Isle of Man</source>
      <translation>Insel Man</translation>
    </message>
    <message>
      <source>Israel</source>
      <translation>Israel</translation>
    </message>
    <message>
      <source>Italy</source>
      <translation>Italien</translation>
    </message>
    <message>
      <source>Jamaica</source>
      <translation>Jamaika</translation>
    </message>
    <message>
      <source>Japan</source>
      <translation>Japan</translation>
    </message>
    <message>
      <source>Jersey</source>
      <translation>Jersey</translation>
    </message>
    <message>
      <source>Jordan</source>
      <translation>Jordanien</translation>
    </message>
    <message>
      <source>Kazakhstan</source>
      <translation>Kasachstan</translation>
    </message>
    <message>
      <source>Kenya</source>
      <translation>Kenia</translation>
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
      <translation>Kirgisistan</translation>
    </message>
    <message>
      <source>Laos</source>
      <translation>Laos</translation>
    </message>
    <message>
      <source>Latvia</source>
      <translation>Lettland</translation>
    </message>
    <message>
      <source>Lebanon</source>
      <translation>Libanon</translation>
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
      <translation>Libyen</translation>
    </message>
    <message>
      <source>Liechtenstein</source>
      <translation>Liechtenstein</translation>
    </message>
    <message>
      <source>Lithuania</source>
      <translation>Litauen</translation>
    </message>
    <message>
      <source>Luxembourg</source>
      <translation>Luxemburg</translation>
    </message>
    <message>
      <source>Macao</source>
      <translation>Macao</translation>
    </message>
    <message>
      <source>Madagascar</source>
      <translation>Madagaskar</translation>
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
      <translation>Malediven</translation>
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
      <translation>Marshallinseln</translation>
    </message>
    <message>
      <source>Martinique</source>
      <translation>Martinique</translation>
    </message>
    <message>
      <source>Mauritania</source>
      <translation>Mauretanien</translation>
    </message>
    <message>
      <source>Mauritius</source>
      <translation>Mauritius</translation>
    </message>
    <message>
      <source>Mayotte</source>
      <translation>Mayotte</translation>
    </message>
    <message>
      <source>Mexico</source>
      <translation>Mexiko</translation>
    </message>
    <message>
      <source>Micronesia, Federated States of</source>
      <translation>Mikronesien, Föderierte Staaten von</translation>
    </message>
    <message>
      <source>Moldova</source>
      <translation>Moldau</translation>
    </message>
    <message>
      <source>Monaco</source>
      <translation>Monaco</translation>
    </message>
    <message>
      <source>Mongolia</source>
      <translation>Mongolei</translation>
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
      <translation>Marokko</translation>
    </message>
    <message>
      <source>Mozambique</source>
      <translation>Mosambik</translation>
    </message>
    <message>
      <source>Myanmar</source>
      <translation>Myanmar</translation>
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
      <translation>Niederlande</translation>
    </message>
    <message>
      <source>New Caledonia</source>
      <translation>Neukaledonien</translation>
    </message>
    <message>
      <source>New Zealand</source>
      <translation>Neuseeland</translation>
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
      <translation>Norfolkinsel</translation>
    </message>
    <message>
      <source>North Korea</source>
      <translation>Nordkorea</translation>
    </message>
    <message>
      <source>North Macedonia</source>
      <translation>Nordmazedonien</translation>
    </message>
    <message>
      <source>Northern Mariana Islands</source>
      <translation>Nördliche Marianen</translation>
    </message>
    <message>
      <source>Norway</source>
      <translation>Norwegen</translation>
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
      <translation>Palästina, Staat</translation>
    </message>
    <message>
      <source>Panama</source>
      <translation>Panama</translation>
    </message>
    <message>
      <source>Papua New Guinea</source>
      <translation>Papua-Neuguinea</translation>
    </message>
    <message>
      <source>Paraguay</source>
      <translation>Paraguay</translation>
    </message>
    <message>
      <source>Peru</source>
      <translation>Peru</translation>
    </message>
    <message>
      <source>Philippines</source>
      <translation>Philippinen</translation>
    </message>
    <message>
      <source>Pitcairn</source>
      <translation>Pitcairn</translation>
    </message>
    <message>
      <source>Poland</source>
      <translation>Polen</translation>
    </message>
    <message>
      <source>Portugal</source>
      <translation>Portugal</translation>
    </message>
    <message>
      <source>Puerto Rico</source>
      <translation>Puerto Rico</translation>
    </message>
    <message>
      <source>Qatar</source>
      <translation>Katar</translation>
    </message>
    <message>
      <source>Romania</source>
      <translation>Rumänien</translation>
    </message>
    <message>
      <source>Russian Federation</source>
      <translation>Russische Föderation</translation>
    </message>
    <message>
      <source>Rwanda</source>
      <translation>Ruanda</translation>
    </message>
    <message>
      <source>Réunion</source>
      <translation>Réunion</translation>
    </message>
    <message>
      <source>Saint Barthélemy</source>
      <translation>Saint-Barthélemy</translation>
    </message>
    <message>
      <source>Saint Helena, Ascension and Tristan da Cunha</source>
      <translation>St. Helena, Ascension und Tristan da Cunha</translation>
    </message>
    <message>
      <source>Saint Kitts and Nevis</source>
      <translation>St. Kitts und Nevis</translation>
    </message>
    <message>
      <source>Saint Lucia</source>
      <translation>St. Lucia</translation>
    </message>
    <message>
      <source>Saint Martin (French part)</source>
      <translation>Saint Martin (Französischer Teil)</translation>
    </message>
    <message>
      <source>Saint Pierre and Miquelon</source>
      <translation>St. Pierre und Miquelon</translation>
    </message>
    <message>
      <source>Saint Vincent and the Grenadines</source>
      <translation>St. Vincent und die Grenadinen</translation>
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
      <translation>São Tomé und Príncipe</translation>
    </message>
    <message>
      <source>Saudi Arabia</source>
      <translation>Saudi-Arabien</translation>
    </message>
    <message>
      <source>Senegal</source>
      <translation>Senegal</translation>
    </message>
    <message>
      <source>Serbia</source>
      <translation>Serbien</translation>
    </message>
    <message>
      <source>Seychelles</source>
      <translation>Seychellen</translation>
    </message>
    <message>
      <source>Sierra Leone</source>
      <translation>Sierra Leone</translation>
    </message>
    <message>
      <source>Singapore</source>
      <translation>Singapur</translation>
    </message>
    <message>
      <source>Sint Maarten (Dutch part)</source>
      <translation>Saint-Martin (Niederländischer Teil)</translation>
    </message>
    <message>
      <source>Slovakia</source>
      <translation>Slowakei</translation>
    </message>
    <message>
      <source>Slovenia</source>
      <translation>Slowenien</translation>
    </message>
    <message>
      <source>Solomon Islands</source>
      <translation>Salomoninseln</translation>
    </message>
    <message>
      <source>Somalia</source>
      <translation>Somalia</translation>
    </message>
    <message>
      <source>South Africa</source>
      <translation>Südafrika</translation>
    </message>
    <message>
      <source>South Georgia and the South Sandwich Islands</source>
      <translation>South Georgia und die Südlichen Sandwichinseln</translation>
    </message>
    <message>
      <source>South Korea</source>
      <translation>Südkorea</translation>
    </message>
    <message>
      <source>South Sudan</source>
      <translation>Südsudan</translation>
    </message>
    <message>
      <source>Spain</source>
      <translation>Spanien</translation>
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
      <translation>Svalbard und Jan Mayen</translation>
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
      <source>Syria</source>
      <translation>Syrien</translation>
    </message>
    <message>
      <source>Taiwan</source>
      <translation>Taiwan</translation>
    </message>
    <message>
      <source>Tajikistan</source>
      <translation>Tadschikistan</translation>
    </message>
    <message>
      <source>Tanzania</source>
      <translation>Tansania</translation>
    </message>
    <message>
      <source>Thailand</source>
      <translation>Thailand</translation>
    </message>
    <message>
      <source>Timor-Leste</source>
      <translation>Timor-Leste</translation>
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
      <translation>Trinidad und Tobago</translation>
    </message>
    <message>
      <source>Tunisia</source>
      <translation>Tunesien</translation>
    </message>
    <message>
      <source>Turkmenistan</source>
      <translation>Turkmenistan</translation>
    </message>
    <message>
      <source>Turks and Caicos Islands</source>
      <translation>Turks- und Caicosinseln</translation>
    </message>
    <message>
      <source>Tuvalu</source>
      <translation>Tuvalu</translation>
    </message>
    <message>
      <source>Türkiye</source>
      <translation>Türkei</translation>
    </message>
    <message>
      <source>Uganda</source>
      <translation>Uganda</translation>
    </message>
    <message>
      <source>Ukraine</source>
      <translation>Ukraine</translation>
    </message>
    <message>
      <source>United Arab Emirates</source>
      <translation>Vereinigte Arabische Emirate</translation>
    </message>
    <message>
      <source>United Kingdom</source>
      <translation>Vereinigtes Königreich</translation>
    </message>
    <message>
      <source>United States</source>
      <translation>Vereinigte Staaten</translation>
    </message>
    <message>
      <source>United States Minor Outlying Islands</source>
      <translation>United States Minor Outlying Islands</translation>
    </message>
    <message>
      <source>Uruguay</source>
      <translation>Uruguay</translation>
    </message>
    <message>
      <source>Uzbekistan</source>
      <translation>Usbekistan</translation>
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
      <translation>Britische Jungferninseln</translation>
    </message>
    <message>
      <source>Virgin Islands, U.S.</source>
      <translation>Amerikanische Jungferninseln</translation>
    </message>
    <message>
      <source>Wallis and Futuna</source>
      <translation>Wallis und Futuna</translation>
    </message>
    <message>
      <source>Western Sahara</source>
      <translation>Westsahara</translation>
    </message>
    <message>
      <source>Yemen</source>
      <translation>Jemen</translation>
    </message>
    <message>
      <source>Zambia</source>
      <translation>Sambia</translation>
    </message>
    <message>
      <source>Zimbabwe</source>
      <translation>Simbabwe</translation>
    </message>
    <message>
      <source>Åland Islands</source>
      <translation>Åland-Inseln</translation>
    </message>
  </context>
  <context>
    <name>CustomSpinner</name>
    <message>
      <source>Loading</source>
      <translation>Wird geladen</translation>
    </message>
  </context>
  <context>
    <name>DetailedCell</name>
    <message>
      <source>Remove %1</source>
      <translation>%1 entfernen</translation>
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
      <translation>verbunden</translation>
    </message>
    <message>
      <source>Connected</source>
      <translation>Verbunden</translation>
    </message>
    <message>
      <source>Remove %1</source>
      <translation>%1 entfernen</translation>
    </message>
    <message>
      <source>selected</source>
      <translation>ausgewählt</translation>
    </message>
    <message>
      <source>Selected</source>
      <translation>Ausgewählt</translation>
    </message>
  </context>
  <context>
    <name>DeviceFinder</name>
    <message>
      <source>Searching the network</source>
      <translation>Netzwerk wird durchsucht</translation>
    </message>
    <message>
      <source>Network discovery is not available on this computer: add the Tavirel by its address</source>
      <translation>Die Netzwerksuche ist auf diesem Computer nicht verfügbar: Fügen Sie den Tavirel über seine Adresse hinzu</translation>
    </message>
    <message>
      <source>Remove saved Tavirel</source>
      <translation>Gespeicherten Tavirel entfernen</translation>
    </message>
    <message>
      <source>Remove</source>
      <translation>Entfernen</translation>
    </message>
    <message>
      <source>Find a Tavirel</source>
      <translation>Tavirel suchen</translation>
    </message>
    <message>
      <source>On this network</source>
      <translation>In diesem Netzwerk</translation>
    </message>
    <message>
      <source>Looking for Tavirels on this network…</source>
      <translation>Suche nach Tavirel in diesem Netzwerk …</translation>
    </message>
    <message>
      <source>Saved Tavirels</source>
      <translation>Gespeicherte Tavirel</translation>
    </message>
    <message>
      <source>No saved Tavirels yet</source>
      <translation>Noch keine gespeicherten Tavirel</translation>
    </message>
    <message>
      <source>Add by address</source>
      <translation>Über die Adresse hinzufügen</translation>
    </message>
    <message>
      <source>Add a Tavirel</source>
      <translation>Tavirel hinzufügen</translation>
    </message>
    <message>
      <source>By its address, serial number and account</source>
      <translation>Mit Adresse, Seriennummer und Konto</translation>
    </message>
    <message>
      <source>Remove %1 (%2) from the saved Tavirels? Its user name and password are forgotten.</source>
      <translation>%1 (%2) aus den gespeicherten Tavirel entfernen? Benutzername und Passwort werden vergessen.</translation>
    </message>
  </context>
  <context>
    <name>DeviceFinderView</name>
    <message>
      <source>%1 was removed.</source>
      <translation>%1 wurde entfernt.</translation>
    </message>
  </context>
  <context>
    <name>DeviceStore</name>
    <message>
      <source>Enter the address of the Tavirel.</source>
      <translation>Geben Sie die Adresse des Tavirel ein.</translation>
    </message>
    <message>
      <source>This is not a valid address.</source>
      <translation>Dies ist keine gültige Adresse.</translation>
    </message>
    <message>
      <source>The port must be a number from 1 to 65535.</source>
      <translation>Der Port muss eine Zahl von 1 bis 65535 sein.</translation>
    </message>
    <message>
      <source>User name and password cannot contain "|".</source>
      <translation>Benutzername und Passwort dürfen kein „|“ enthalten.</translation>
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
    <message>
      <source>Play Next</source>
      <translation>Als Nächstes abspielen</translation>
    </message>
    <message>
      <source>Assign to a Tavirel preset</source>
      <translation>Einer Tavirel-Voreinstellung zuweisen</translation>
    </message>
  </context>
  <context>
    <name>Equalizer</name>
    <message>
      <source>Bass</source>
      <translation>Bass</translation>
    </message>
    <message>
      <source>Middle</source>
      <translation>Mitten</translation>
    </message>
    <message>
      <source>Treble</source>
      <translation>Höhen</translation>
    </message>
    <message>
      <source>Loudness</source>
      <translation>Lautheit</translation>
    </message>
    <message>
      <source>Equalizer · %1</source>
      <translation>Equalizer · %1</translation>
    </message>
    <message>
      <source>Equalizer</source>
      <translation>Equalizer</translation>
    </message>
  </context>
  <context>
    <name>GenericCell</name>
    <message>
      <source>Remove %1</source>
      <translation>%1 entfernen</translation>
    </message>
  </context>
  <context>
    <name>HouseAdaptor</name>
    <message>
      <source>No Tavirel is connected.</source>
      <translation>Kein Tavirel ist verbunden.</translation>
    </message>
    <message>
      <source>"%1" cannot be a scene name: it must be one line of at most %2 characters.</source>
      <translation>"%1" kann kein Szenenname sein: Er muss eine Zeile mit höchstens %2 Zeichen sein.</translation>
    </message>
    <message>
      <source>The connected Tavirel has no serial number to keep scenes for.</source>
      <translation>Das verbundene Tavirel hat keine Seriennummer, unter der Szenen gespeichert werden könnten.</translation>
    </message>
    <message>
      <source>There is no scene "%1".</source>
      <translation>Es gibt keine Szene "%1".</translation>
    </message>
  </context>
  <context>
    <name>HouseControl</name>
    <message>
      <source>The scenes could not be written to %1.</source>
      <translation>Die Szenen konnten nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
      <source>%1 is not a scene file.</source>
      <translation>%1 ist keine Szenendatei.</translation>
    </message>
    <message>
      <source>Scenes of the file that could not be read: %1</source>
      <translation>Szenen der Datei, die nicht gelesen werden konnten: %1</translation>
    </message>
    <message>
      <source>There is no scene "%1".</source>
      <translation>Es gibt keine Szene "%1".</translation>
    </message>
    <message>
      <source>The scene "%1" has no output "%2".</source>
      <translation>Die Szene "%1" hat keinen Ausgang "%2".</translation>
    </message>
    <message>
      <source>Not on this device: skipped</source>
      <translation>Nicht auf diesem Gerät: übersprungen</translation>
    </message>
    <message>
      <source>nothing</source>
      <translation>nichts</translation>
    </message>
    <message>
      <source>%1 (not on this device: kept as it is)</source>
      <translation>%1 (nicht auf diesem Gerät: bleibt, wie es ist)</translation>
    </message>
    <message>
      <source>Plays %1 instead of %2</source>
      <translation>Spielt %1 statt %2</translation>
    </message>
    <message>
      <source>Volume %1 to %2</source>
      <translation>Lautstärke %1 auf %2</translation>
    </message>
    <message>
      <source>Muted</source>
      <translation>Stumm</translation>
    </message>
    <message>
      <source>Unmuted</source>
      <translation>Ton an</translation>
    </message>
    <message>
      <source>Tone changes</source>
      <translation>Klang ändert sich</translation>
    </message>
    <message>
      <source>Source volume %1 to %2</source>
      <translation>Quellenlautstärke %1 auf %2</translation>
    </message>
    <message>
      <source>Outputs not on this device, skipped: %1</source>
      <translation>Ausgänge, die dieses Gerät nicht hat, übersprungen: %1</translation>
    </message>
    <message>
      <source>Sources not on this device, skipped: %1</source>
      <translation>Quellen, die dieses Gerät nicht hat, übersprungen: %1</translation>
    </message>
  </context>
  <context>
    <name>HousePanel</name>
    <message>
      <source>Recall %1</source>
      <translation>%1 abrufen</translation>
    </message>
    <message>
      <source>House</source>
      <translation>Haus</translation>
    </message>
    <message>
      <source>All off</source>
      <translation>Alles aus</translation>
    </message>
    <message>
      <source>Resume</source>
      <translation>Fortsetzen</translation>
    </message>
    <message>
      <source>Undo</source>
      <translation>Rückgängig</translation>
    </message>
    <message>
      <source>Redo</source>
      <translation>Wiederholen</translation>
    </message>
    <message>
      <source>Sleep timer</source>
      <translation>Schlaftimer</translation>
    </message>
    <message>
      <source>Whole house</source>
      <translation>Ganzes Haus</translation>
    </message>
    <message>
      <source>Sleep timer for</source>
      <translation>Schlaftimer für</translation>
    </message>
    <message>
      <source>Off in %1</source>
      <translation>Aus in %1</translation>
    </message>
    <message>
      <source>%1 min</source>
      <translation>%1 Min.</translation>
    </message>
    <message>
      <source>min</source>
      <translation>Min.</translation>
    </message>
    <message>
      <source>Custom sleep time in minutes</source>
      <translation>Eigene Schlafzeit in Minuten</translation>
    </message>
    <message>
      <source>Start</source>
      <translation>Starten</translation>
    </message>
    <message>
      <source>Cancel timer</source>
      <translation>Timer abbrechen</translation>
    </message>
    <message>
      <source>Scenes</source>
      <translation>Szenen</translation>
    </message>
    <message>
      <source>Name of a new scene</source>
      <translation>Name einer neuen Szene</translation>
    </message>
    <message>
      <source>Scene name</source>
      <translation>Szenenname</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Speichern</translation>
    </message>
    <message>
      <source>New name of %1</source>
      <translation>Neuer Name von %1</translation>
    </message>
    <message>
      <source>Recall…</source>
      <translation>Abrufen…</translation>
    </message>
    <message>
      <source>Update</source>
      <translation>Aktualisieren</translation>
    </message>
    <message>
      <source>Rename</source>
      <translation>Umbenennen</translation>
    </message>
    <message>
      <source>Delete %1</source>
      <translation>%1 löschen</translation>
    </message>
    <message>
      <source>Connect a Tavirel to keep scenes for it.</source>
      <translation>Verbinden Sie ein Tavirel, um Szenen dafür zu speichern.</translation>
    </message>
    <message>
      <source>No scenes yet: set the house up, name it and save it.</source>
      <translation>Noch keine Szenen: Stellen Sie das Haus ein, benennen und speichern Sie es.</translation>
    </message>
    <message>
      <source>Scene file (JSON)</source>
      <translation>Szenendatei (JSON)</translation>
    </message>
    <message>
      <source>Scene file</source>
      <translation>Szenendatei</translation>
    </message>
    <message>
      <source>Import</source>
      <translation>Importieren</translation>
    </message>
    <message>
      <source>Export</source>
      <translation>Exportieren</translation>
    </message>
    <message>
      <source>Changes of the recall</source>
      <translation>Änderungen des Abrufs</translation>
    </message>
    <message>
      <source>No change</source>
      <translation>Keine Änderung</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>Recall</source>
      <translation>Abrufen</translation>
    </message>
  </context>
  <context>
    <name>HouseService</name>
    <message>
      <source>There is no session bus to reach the running Tavirel.</source>
      <translation>Es gibt keinen Sitzungsbus, über den das laufende Tavirel erreichbar wäre.</translation>
    </message>
    <message>
      <source>Tavirel is not running.</source>
      <translation>Tavirel läuft nicht.</translation>
    </message>
  </context>
  <context>
    <name>KeyboardShortcuts</name>
    <message>
      <source>Keyboard shortcuts</source>
      <translation>Tastenkürzel</translation>
    </message>
    <message>
      <source>Space</source>
      <translation>Leertaste</translation>
    </message>
    <message>
      <source>Play or pause</source>
      <translation>Wiedergabe oder Pause</translation>
    </message>
    <message>
      <source>Ctrl+Left</source>
      <translation>Strg+Links</translation>
    </message>
    <message>
      <source>Previous track</source>
      <translation>Vorheriger Titel</translation>
    </message>
    <message>
      <source>Ctrl+Right</source>
      <translation>Strg+Rechts</translation>
    </message>
    <message>
      <source>Next track</source>
      <translation>Nächster Titel</translation>
    </message>
    <message>
      <source>Ctrl+Up</source>
      <translation>Strg+Oben</translation>
    </message>
    <message>
      <source>Volume up</source>
      <translation>Lauter</translation>
    </message>
    <message>
      <source>Ctrl+Down</source>
      <translation>Strg+Unten</translation>
    </message>
    <message>
      <source>Volume down</source>
      <translation>Leiser</translation>
    </message>
    <message>
      <source>Ctrl+M</source>
      <translation>Strg+M</translation>
    </message>
    <message>
      <source>Mute or unmute</source>
      <translation>Stumm oder laut schalten</translation>
    </message>
    <message>
      <source>Ctrl+1</source>
      <translation>Strg+1</translation>
    </message>
    <message>
      <source>Sources tab</source>
      <translation>Reiter Quellen</translation>
    </message>
    <message>
      <source>Ctrl+2</source>
      <translation>Strg+2</translation>
    </message>
    <message>
      <source>Player tab</source>
      <translation>Reiter Player</translation>
    </message>
    <message>
      <source>Ctrl+3</source>
      <translation>Strg+3</translation>
    </message>
    <message>
      <source>Settings tab</source>
      <translation>Reiter Einstellungen</translation>
    </message>
    <message>
      <source>Ctrl+L</source>
      <translation>Strg+L</translation>
    </message>
    <message>
      <source>Open the music library</source>
      <translation>Musikbibliothek öffnen</translation>
    </message>
    <message>
      <source>Ctrl+F</source>
      <translation>Strg+F</translation>
    </message>
    <message>
      <source>Search the music library</source>
      <translation>Musikbibliothek durchsuchen</translation>
    </message>
    <message>
      <source>Escape</source>
      <translation>Esc</translation>
    </message>
    <message>
      <source>Close the popup or go back</source>
      <translation>Fenster schließen oder zurück</translation>
    </message>
    <message>
      <source>Tab</source>
      <translation>Tab</translation>
    </message>
    <message>
      <source>Move to the next control</source>
      <translation>Zum nächsten Bedienelement</translation>
    </message>
    <message>
      <source>Arrow keys</source>
      <translation>Pfeiltasten</translation>
    </message>
    <message>
      <source>Ctrl+S</source>
      <translation>Strg+S</translation>
    </message>
    <message>
      <source>Save the settings page</source>
      <translation>Die Einstellungsseite speichern</translation>
    </message>
    <message>
      <source>Shift+Tab</source>
      <translation>Umschalt+Tab</translation>
    </message>
    <message>
      <source>Move to the previous control</source>
      <translation>Zum vorigen Bedienelement</translation>
    </message>
    <message>
      <source>Space or Return</source>
      <translation>Leertaste oder Eingabe</translation>
    </message>
    <message>
      <source>Press the focused control, toggle a matrix cell</source>
      <translation>Gewähltes Bedienelement betätigen, Matrixfeld umschalten</translation>
    </message>
    <message>
      <source>Move in a list or the matrix, move a focused slider</source>
      <translation>In einer Liste oder der Matrix bewegen, gewählten Schieberegler bewegen</translation>
    </message>
    <message>
      <source>Page Up/Down</source>
      <translation>Bild auf/ab</translation>
    </message>
    <message>
      <source>Move a focused slider by a tenth</source>
      <translation>Gewählten Schieberegler um ein Zehntel bewegen</translation>
    </message>
    <message>
      <source>Home/End</source>
      <translation>Pos1/Ende</translation>
    </message>
    <message>
      <source>Move a focused slider to its end</source>
      <translation>Gewählten Schieberegler ans Ende bewegen</translation>
    </message>
    <message>
      <source>Letters</source>
      <translation>Buchstaben</translation>
    </message>
    <message>
      <source>Go to the first choice that starts with them</source>
      <translation>Zur ersten Auswahl mit diesem Anfang</translation>
    </message>
    <message>
      <source>Delete key</source>
      <translation>Entf-Taste</translation>
    </message>
    <message>
      <source>Remove the focused row</source>
      <translation>Gewählte Zeile entfernen</translation>
    </message>
    <message>
      <source>Ctrl+Z</source>
      <translation>Strg+Z</translation>
    </message>
    <message>
      <source>Undo the last change</source>
      <translation>Letzte Änderung rückgängig machen</translation>
    </message>
    <message>
      <source>Ctrl+Shift+Z</source>
      <translation>Strg+Umschalt+Z</translation>
    </message>
    <message>
      <source>Redo the change undone</source>
      <translation>Rückgängig gemachte Änderung wiederholen</translation>
    </message>
  </context>
  <context>
    <name>LinkProblemBar</name>
    <message>
      <source>Retry</source>
      <translation>Erneut versuchen</translation>
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
    <message>
      <source>Authentication failed.</source>
      <translation>Anmeldung fehlgeschlagen.</translation>
    </message>
    <message>
      <source>No Tavirel selected.</source>
      <translation>Kein Tavirel ausgewählt.</translation>
    </message>
    <message>
      <source>%1 was removed and disconnected. Choose a Tavirel to control.</source>
      <translation>%1 wurde entfernt und getrennt. Wählen Sie ein Tavirel zum Steuern.</translation>
    </message>
  </context>
  <context>
    <name>MatrixPopup</name>
    <message>
      <source>Routing</source>
      <translation>Zuordnung</translation>
    </message>
    <message>
      <source>Disconnect %1</source>
      <translation>%1 trennen</translation>
    </message>
    <message>
      <source>%1 plays %2</source>
      <translation>%1 spielt %2</translation>
    </message>
  </context>
  <context>
    <name>MoreMenu</name>
    <message>
      <source>Choose a playlist</source>
      <translation>Playlist auswählen</translation>
    </message>
    <message>
      <source>There are no playlists yet</source>
      <translation>Es gibt noch keine Playlists</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>New playlist…</source>
      <translation>Neue Playlist…</translation>
    </message>
  </context>
  <context>
    <name>NavigationBar</name>
    <message>
      <source>Close</source>
      <translation>Schließen</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Speichern</translation>
    </message>
  </context>
  <context>
    <name>NavigationButton</name>
    <message>
      <source>Back to %1</source>
      <translation>Zurück zu %1</translation>
    </message>
    <message>
      <source>previous page</source>
      <translation>vorherige Seite</translation>
    </message>
  </context>
  <context>
    <name>Notices</name>
    <message>
      <source>Undo</source>
      <translation>Rückgängig</translation>
    </message>
    <message>
      <source>Undone</source>
      <translation>Rückgängig gemacht</translation>
    </message>
  </context>
  <context>
    <name>NumberCell</name>
    <message>
      <source>not set</source>
      <translation>nicht gesetzt</translation>
    </message>
  </context>
  <context>
    <name>OutputListPanel</name>
    <message>
      <source>Outputs</source>
      <translation>Ausgänge</translation>
    </message>
    <message>
      <source>Choose outputs</source>
      <translation>Ausgänge wählen</translation>
    </message>
    <message>
      <source>No output plays this source</source>
      <translation>Kein Ausgang spielt diese Quelle</translation>
    </message>
  </context>
  <context>
    <name>OutputRow</name>
    <message>
      <source>Plays %1</source>
      <translation>Spielt %1</translation>
    </message>
    <message>
      <source>Silent</source>
      <translation>Stumm</translation>
    </message>
  </context>
  <context>
    <name>OutputSelector</name>
    <message>
      <source>Outputs for %1</source>
      <translation>Ausgänge für %1</translation>
    </message>
    <message>
      <source>Outputs</source>
      <translation>Ausgänge</translation>
    </message>
    <message>
      <source>Playing this source</source>
      <translation>Spielt diese Quelle</translation>
    </message>
    <message>
      <source>Playing %1</source>
      <translation>Spielt %1</translation>
    </message>
    <message>
      <source>Silent</source>
      <translation>Stumm</translation>
    </message>
  </context>
  <context>
    <name>OutputsHeader</name>
    <message>
      <source>Outputs</source>
      <translation>Ausgänge</translation>
    </message>
    <message>
      <source>Routing matrix</source>
      <translation>Zuordnungsmatrix</translation>
    </message>
  </context>
  <context>
    <name>PanelHeader</name>
    <message>
      <source>Close</source>
      <translation>Schließen</translation>
    </message>
  </context>
  <context>
    <name>PlayButton</name>
    <message>
      <source>Play</source>
      <translation>Abspielen</translation>
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
      <source>Add</source>
      <translation>Hinzufügen</translation>
    </message>
    <message>
      <source>Nothing playing</source>
      <translation>Es wird nichts abgespielt</translation>
    </message>
    <message>
      <source>Library</source>
      <translation>Bibliothek</translation>
    </message>
    <message>
      <source>Queue</source>
      <translation>Warteschlange</translation>
    </message>
    <message>
      <source>Position</source>
      <translation>Position</translation>
    </message>
    <message>
      <source>Previous</source>
      <translation>Zurück</translation>
    </message>
    <message>
      <source>Pause</source>
      <translation>Pause</translation>
    </message>
    <message>
      <source>Play</source>
      <translation>Abspielen</translation>
    </message>
    <message>
      <source>Next</source>
      <translation>Weiter</translation>
    </message>
    <message>
      <source>Playlists</source>
      <translation>Playlists</translation>
    </message>
    <message>
      <source>Search</source>
      <translation>Suche</translation>
    </message>
    <message>
      <source>Replace</source>
      <translation>Ersetzen</translation>
    </message>
    <message>
      <source>A playlist named "%1" already exists. Replace its tracks with the queue?</source>
      <translation>Eine Playlist namens "%1" gibt es bereits. Ihre Titel durch die Warteschlange ersetzen?</translation>
    </message>
    <message>
      <source>Queue saved as "%1"</source>
      <translation>Warteschlange als "%1" gespeichert</translation>
    </message>
    <message>
      <source>Queue cleared</source>
      <translation>Warteschlange geleert</translation>
    </message>
    <message>
      <source>Not added: a URL starts with its scheme, for example http://</source>
      <translation>Nicht hinzugefügt: Eine URL beginnt mit ihrem Schema, zum Beispiel http://</translation>
    </message>
    <message>
      <source>URL added to the queue</source>
      <translation>URL zur Warteschlange hinzugefügt</translation>
    </message>
    <message>
      <source>Track is not playable</source>
      <translation>Titel kann nicht abgespielt werden</translation>
    </message>
    <message>
      <source>Music server not reachable — retrying</source>
      <translation>Musikserver nicht erreichbar — neuer Versuch folgt</translation>
    </message>
    <message>
      <source>Choose outputs</source>
      <translation>Ausgänge wählen</translation>
    </message>
    <message>
      <source>No output plays this source</source>
      <translation>Kein Ausgang spielt diese Quelle</translation>
    </message>
    <message>
      <source>Repeat</source>
      <translation>Wiederholen</translation>
    </message>
    <message>
      <source>Repeat is on</source>
      <translation>Wiederholen ist an</translation>
    </message>
    <message>
      <source>Repeat is off</source>
      <translation>Wiederholen ist aus</translation>
    </message>
    <message>
      <source>Shuffle</source>
      <translation>Zufallswiedergabe</translation>
    </message>
    <message>
      <source>Shuffle is on</source>
      <translation>Zufallswiedergabe ist an</translation>
    </message>
    <message>
      <source>Shuffle is off</source>
      <translation>Zufallswiedergabe ist aus</translation>
    </message>
    <message>
      <source>A URL starts with its scheme, for example http://</source>
      <translation>Eine URL beginnt mit ihrem Schema, zum Beispiel http://</translation>
    </message>
    <message>
      <source>Add URL</source>
      <translation>URL hinzufügen</translation>
    </message>
  </context>
  <context>
    <name>PlaylistEntriesView</name>
    <message>
      <source>Tavirel presets</source>
      <translation>Tavirel-Voreinstellungen</translation>
    </message>
    <message>
      <source>No playlist</source>
      <translation>Keine Playlist</translation>
    </message>
    <message>
      <source>This Tavirel has no presets.</source>
      <translation>Dieses Tavirel hat keine Voreinstellungen.</translation>
    </message>
  </context>
  <context>
    <name>PlaylistNavigationController</name>
    <message>
      <source>Add</source>
      <translation>Hinzufügen</translation>
    </message>
  </context>
  <context>
    <name>PlaylistRootView</name>
    <message>
      <source>There are no playlists yet. Add one with the Add button.</source>
      <translation>Es gibt noch keine Playlists. Legen Sie eine mit „Hinzufügen“ an.</translation>
    </message>
    <message>
      <source>This device has no media player.</source>
      <translation>Dieses Gerät hat keinen Mediaplayer.</translation>
    </message>
    <message>
      <source>Playlists</source>
      <translation>Playlists</translation>
    </message>
    <message>
      <source>Tavirel preset: %1</source>
      <translation>Tavirel-Voreinstellung: %1</translation>
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
    <name>QueueView</name>
    <message>
      <source>Queue (%1)</source>
      <translation>Warteschlange (%1)</translation>
    </message>
    <message>
      <source>Queue</source>
      <translation>Warteschlange</translation>
    </message>
    <message>
      <source>Add a stream URL</source>
      <translation>Stream-URL hinzufügen</translation>
    </message>
    <message>
      <source>Save the queue as a playlist</source>
      <translation>Warteschlange als Playlist speichern</translation>
    </message>
    <message>
      <source>Clear the queue</source>
      <translation>Warteschlange leeren</translation>
    </message>
    <message>
      <source>The queue is empty</source>
      <translation>Die Warteschlange ist leer</translation>
    </message>
    <message>
      <source>No player selected</source>
      <translation>Kein Player ausgewählt</translation>
    </message>
    <message>
      <source>Show current track</source>
      <translation>Aktuellen Titel zeigen</translation>
    </message>
  </context>
  <context>
    <name>SearchRootView</name>
    <message>
      <source>Artists, albums or tracks</source>
      <translation>Künstler, Alben oder Titel</translation>
    </message>
    <message>
      <source>Search text</source>
      <translation>Suchbegriff</translation>
    </message>
    <message>
      <source>Search</source>
      <translation>Suche</translation>
    </message>
    <message>
      <source>Show filters</source>
      <translation>Filter anzeigen</translation>
    </message>
    <message>
      <source>Show more...</source>
      <translation>Mehr anzeigen...</translation>
    </message>
    <message>
      <source>Type what you are looking for and press Search</source>
      <translation>Geben Sie ein, was Sie suchen, und drücken Sie „Suche“</translation>
    </message>
    <message>
      <source>Nothing found</source>
      <translation>Nichts gefunden</translation>
    </message>
    <message>
      <source>Search in</source>
      <translation>Suchen in</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
  </context>
  <context>
    <name>SettingsEditorView</name>
    <message>
      <source>Save</source>
      <translation>Speichern</translation>
    </message>
    <message>
      <source>Nothing here yet. Use Add to create an element.</source>
      <translation>Noch nichts vorhanden. Mit „Hinzufügen“ ein Element anlegen.</translation>
    </message>
    <message>
      <source>No settings to show.</source>
      <translation>Keine Einstellungen vorhanden.</translation>
    </message>
    <message>
      <source>Add</source>
      <translation>Hinzufügen</translation>
    </message>
  </context>
  <context>
    <name>SettingsRootView</name>
    <message>
      <source>No Tavirel selected</source>
      <translation>Kein Tavirel ausgewählt</translation>
    </message>
    <message>
      <source>Find a Tavirel on your network or add one by hand.</source>
      <translation>Suchen Sie ein Tavirel im Netzwerk oder fügen Sie es von Hand hinzu.</translation>
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
      <source>Device settings</source>
      <translation>Geräteeinstellungen</translation>
    </message>
    <message>
      <source>Outputs, sources, storage and services</source>
      <translation>Ausgänge, Quellen, Speicher und Dienste</translation>
    </message>
    <message>
      <source>Available while connected</source>
      <translation>Verfügbar, solange verbunden</translation>
    </message>
    <message>
      <source>Find a Tavirel</source>
      <translation>Tavirel suchen</translation>
    </message>
    <message>
      <source>Devices on your network and saved devices</source>
      <translation>Geräte im Netzwerk und gespeicherte Geräte</translation>
    </message>
    <message>
      <source>Colour theme</source>
      <translation>Farbschema</translation>
    </message>
    <message>
      <source>Terms and conditions</source>
      <translation>Nutzungsbedingungen</translation>
    </message>
    <message>
      <source>Keyboard shortcuts</source>
      <translation>Tastenkürzel</translation>
    </message>
    <message>
      <source>Close to the panel</source>
      <translation>In die Leiste schließen</translation>
    </message>
    <message>
      <source>Closing the window keeps Tavirel in the desktop panel</source>
      <translation>Beim Schließen des Fensters bleibt Tavirel in der Leiste</translation>
    </message>
    <message>
      <source>Track notifications</source>
      <translation>Titelbenachrichtigungen</translation>
    </message>
    <message>
      <source>Tell on the desktop when the player moves to another track</source>
      <translation>Auf dem Desktop melden, wenn der Player zu einem anderen Titel wechselt</translation>
    </message>
  </context>
  <context>
    <name>SettingsRow</name>
    <message>
      <source>Remove %1</source>
      <translation>%1 entfernen</translation>
    </message>
  </context>
  <context>
    <name>SettingsSchema</name>
    <message>
      <source>The minimum volume (%1 dB) cannot be above the maximum volume (%2 dB).</source>
      <translation>Die Mindestlautstärke (%1 dB) darf nicht über der Höchstlautstärke (%2 dB) liegen.</translation>
    </message>
  </context>
  <context>
    <name>SettingsTransfer</name>
    <message>
      <source>the answer is not a settings object</source>
      <translation>die Antwort ist kein Einstellungsobjekt</translation>
    </message>
    <message>
      <source>the user name or password was not accepted</source>
      <translation>Benutzername oder Passwort wurden nicht akzeptiert</translation>
    </message>
    <message>
      <source>the answer is too large</source>
      <translation>die Antwort ist zu groß</translation>
    </message>
  </context>
  <context>
    <name>SettingsUnavailable</name>
    <message>
      <source>Reading the device's settings...</source>
      <translation>Die Einstellungen des Geräts werden gelesen...</translation>
    </message>
    <message>
      <source>The device's settings are not available yet.</source>
      <translation>Die Einstellungen des Geräts sind noch nicht verfügbar.</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>Erneut versuchen</translation>
    </message>
  </context>
  <context>
    <name>SettingsView</name>
    <message>
      <source>Settings</source>
      <translation>Einstellungen</translation>
    </message>
    <message>
      <source>Could not read the device's settings: %1</source>
      <translation>Die Einstellungen des Geräts konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
      <source>Device settings</source>
      <translation>Geräteeinstellungen</translation>
    </message>
    <message>
      <source>Settings saved</source>
      <translation>Einstellungen gespeichert</translation>
    </message>
    <message>
      <source>Could not save the settings: %1</source>
      <translation>Die Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
      <source>the device has not said where to send them</source>
      <translation>das Gerät hat nicht mitgeteilt, wohin sie gesendet werden</translation>
    </message>
    <message>
      <source>Terms and conditions</source>
      <translation>Nutzungsbedingungen</translation>
    </message>
    <message>
      <source>Keyboard shortcuts</source>
      <translation>Tastenkürzel</translation>
    </message>
    <message>
      <source>Unsaved changes</source>
      <translation>Nicht gespeicherte Änderungen</translation>
    </message>
    <message>
      <source>Save the changes to %1 before leaving the page?</source>
      <translation>Änderungen an %1 speichern, bevor Sie die Seite verlassen?</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Speichern</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>Verwerfen</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>Add to %1</source>
      <translation>Neuer Eintrag in „%1“</translation>
    </message>
    <message>
      <source>Choose what to add.</source>
      <translation>Wählen Sie, was hinzugefügt werden soll.</translation>
    </message>
    <message>
      <source>Colour theme</source>
      <translation>Farbschema</translation>
    </message>
  </context>
  <context>
    <name>SongCell</name>
    <message>
      <source>Play %1</source>
      <translation>%1 abspielen</translation>
    </message>
    <message>
      <source>Remove %1</source>
      <translation>%1 entfernen</translation>
    </message>
    <message>
      <source>More actions for %1</source>
      <translation>Weitere Aktionen für %1</translation>
    </message>
    <message>
      <source>Playing now</source>
      <translation>Wird gerade abgespielt</translation>
    </message>
  </context>
  <context>
    <name>Source</name>
    <message>
      <source>Not routed</source>
      <translation>Nicht zugeordnet</translation>
    </message>
    <message>
      <source>Playing on %1</source>
      <translation>Läuft auf %1</translation>
    </message>
    <message>
      <source>%1 and %2 more</source>
      <translation>%1 und %2 weitere</translation>
    </message>
  </context>
  <context>
    <name>SourcesView</name>
    <message>
      <source>Not routed</source>
      <translation>Nicht zugeordnet</translation>
    </message>
    <message>
      <source>Sources</source>
      <translation>Quellen</translation>
    </message>
    <message>
      <source>Routing matrix</source>
      <translation>Zuordnungsmatrix</translation>
    </message>
    <message>
      <source>Nothing playing</source>
      <translation>Es wird nichts abgespielt</translation>
    </message>
    <message>
      <source>Line input</source>
      <translation>Line-Eingang</translation>
    </message>
    <message>
      <source>On %1</source>
      <translation>Auf %1</translation>
    </message>
    <message>
      <source>Music server not reachable — retrying</source>
      <translation>Musikserver nicht erreichbar — neuer Versuch folgt</translation>
    </message>
    <message>
      <source>House: scenes, All off, sleep timer</source>
      <translation>Haus: Szenen, Alles aus, Schlaftimer</translation>
    </message>
  </context>
  <context>
    <name>SwitchCell</name>
    <message>
      <source>on</source>
      <translation>an</translation>
    </message>
    <message>
      <source>off</source>
      <translation>aus</translation>
    </message>
  </context>
  <context>
    <name>TavirelConnThread</name>
    <message>
      <source>Disconnected.</source>
      <translation>Getrennt.</translation>
    </message>
    <message>
      <source>Authentication failed.</source>
      <translation>Anmeldung fehlgeschlagen.</translation>
    </message>
    <message>
      <source>User name and password must not contain "|".</source>
      <translation>Benutzername und Passwort dürfen kein "|" enthalten.</translation>
    </message>
    <message>
      <source>Tavirel</source>
      <translation>Tavirel</translation>
    </message>
    <message>
      <source>Connecting to %1…</source>
      <translation>Verbindung zu %1 wird hergestellt…</translation>
    </message>
    <message>
      <source>Logging in to %1…</source>
      <translation>Anmeldung bei %1…</translation>
    </message>
    <message>
      <source>Connection to %1 lost — reconnecting…</source>
      <translation>Verbindung zu %1 unterbrochen — neuer Versuch läuft…</translation>
    </message>
    <message>
      <source>Next attempt in %1 s.</source>
      <translation>Nächster Versuch in %1 s.</translation>
    </message>
    <message>
      <source>none</source>
      <translation>keine</translation>
    </message>
    <message>
      <source>%1 (%2)</source>
      <translation>%1 (%2)</translation>
    </message>
    <message>
      <source>%1 refused the connection. Is the address right and the Tavirel switched on?</source>
      <translation>%1 hat die Verbindung abgelehnt. Stimmt die Adresse und ist das Tavirel eingeschaltet?</translation>
    </message>
    <message>
      <source>%1 has no address. Choose another Tavirel or add it again.</source>
      <translation>%1 hat keine Adresse. Wählen Sie ein anderes Tavirel oder fügen Sie es neu hinzu.</translation>
    </message>
    <message>
      <source>%1 cannot be reached. Check the address and the network.</source>
      <translation>%1 ist nicht erreichbar. Prüfen Sie die Adresse und das Netzwerk.</translation>
    </message>
    <message>
      <source>%1 did not answer in time. Check the address and the network.</source>
      <translation>%1 hat nicht rechtzeitig geantwortet. Prüfen Sie die Adresse und das Netzwerk.</translation>
    </message>
    <message>
      <source>%1 did not answer the login.</source>
      <translation>%1 hat auf die Anmeldung nicht geantwortet.</translation>
    </message>
    <message>
      <source>%1 accepted the login but sent no data.</source>
      <translation>%1 hat die Anmeldung angenommen, aber keine Daten gesendet.</translation>
    </message>
    <message>
      <source>%1 closed the connection during the login.</source>
      <translation>%1 hat die Verbindung während der Anmeldung geschlossen.</translation>
    </message>
    <message>
      <source>%1 stopped answering.</source>
      <translation>%1 antwortet nicht mehr.</translation>
    </message>
    <message>
      <source>Trying again…</source>
      <translation>Neuer Versuch…</translation>
    </message>
  </context>
  <context>
    <name>TermsAndConditions</name>
    <message>
      <source>Terms and conditions</source>
      <translation>Nutzungsbedingungen</translation>
    </message>
  </context>
  <context>
    <name>ThemeSelector</name>
    <message>
      <source>Dark</source>
      <translation>Dunkel</translation>
    </message>
    <message>
      <source>Light</source>
      <translation>Hell</translation>
    </message>
    <message>
      <source>High contrast</source>
      <translation>Hoher Kontrast</translation>
    </message>
    <message>
      <source>Ocean</source>
      <translation>Ozean</translation>
    </message>
    <message>
      <source>In use</source>
      <translation>In Verwendung</translation>
    </message>
  </context>
  <context>
    <name>TrayController</name>
    <message>
      <source>Not connected</source>
      <translation>Nicht verbunden</translation>
    </message>
    <message>
      <source>Nothing playing</source>
      <translation>Es wird nichts abgespielt</translation>
    </message>
    <message>
      <source>%1 – %2</source>
      <translation>%1 – %2</translation>
    </message>
    <message>
      <source>Nothing playing on %1</source>
      <translation>Auf %1 wird nichts abgespielt</translation>
    </message>
    <message>
      <source>%1 on %2</source>
      <translation>%1 auf %2</translation>
    </message>
    <message>
      <source>Pause</source>
      <translation>Pause</translation>
    </message>
    <message>
      <source>Play</source>
      <translation>Abspielen</translation>
    </message>
    <message>
      <source>Next track</source>
      <translation>Nächster Titel</translation>
    </message>
    <message>
      <source>Switch device</source>
      <translation>Gerät wechseln</translation>
    </message>
    <message>
      <source>Show window</source>
      <translation>Fenster anzeigen</translation>
    </message>
    <message>
      <source>Quit</source>
      <translation>Beenden</translation>
    </message>
    <message>
      <source>Resume</source>
      <translation>Fortsetzen</translation>
    </message>
    <message>
      <source>All off</source>
      <translation>Alles aus</translation>
    </message>
    <message>
      <source>Sleep timer (%1 min left)</source>
      <translation>Schlaftimer (noch %1 Min.)</translation>
    </message>
    <message>
      <source>Sleep timer</source>
      <translation>Schlaftimer</translation>
    </message>
    <message>
      <source>%1 min</source>
      <translation>%1 Min.</translation>
    </message>
    <message>
      <source>Cancel timer</source>
      <translation>Timer abbrechen</translation>
    </message>
    <message>
      <source>Scenes</source>
      <translation>Szenen</translation>
    </message>
  </context>
  <context>
    <name>TrayMixer</name>
    <message>
      <source>Tavirel mixer</source>
      <translation>Tavirel-Mischpult</translation>
    </message>
    <message>
      <source>Tavirel</source>
      <translation>Tavirel</translation>
    </message>
    <message>
      <source>Not connected</source>
      <translation>Nicht verbunden</translation>
    </message>
    <message>
      <source>%1 – %2</source>
      <translation>%1 – %2</translation>
    </message>
    <message>
      <source>Nothing playing</source>
      <translation>Es wird nichts abgespielt</translation>
    </message>
    <message>
      <source>Pause %1</source>
      <translation>%1 anhalten</translation>
    </message>
    <message>
      <source>Play %1</source>
      <translation>%1 abspielen</translation>
    </message>
    <message>
      <source>No source</source>
      <translation>Keine Quelle</translation>
    </message>
    <message>
      <source>Resume</source>
      <translation>Fortsetzen</translation>
    </message>
    <message>
      <source>All off</source>
      <translation>Alles aus</translation>
    </message>
  </context>
  <context>
    <name>VolumeRow</name>
    <message>
      <source>%1 volume</source>
      <translation>Lautstärke %1</translation>
    </message>
    <message>
      <source>Unmute %1</source>
      <translation>Ton für %1 einschalten</translation>
    </message>
    <message>
      <source>Mute %1</source>
      <translation>%1 stumm schalten</translation>
    </message>
    <message>
      <source>Equalizer of %1</source>
      <translation>Equalizer von %1</translation>
    </message>
    <message>
      <source>Outputs of %1</source>
      <translation>Ausgänge von %1</translation>
    </message>
    <message>
      <source>Open %1 in the player</source>
      <translation>%1 im Player öffnen</translation>
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