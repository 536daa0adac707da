# Texts of the saved-device store, the top-level popups and the connection screens.
TEXTS = {
    "Retry": ("Erneut versuchen", "Riprova"),
    "Authentication failed.": ("Anmeldung fehlgeschlagen.", "Autenticazione non riuscita."),
    "Address (and port, if not 7550)": ("Adresse (und Port, falls nicht 7550)", "Indirizzo (e porta, se non 7550)"),
    "Enter the address of the Tavirel.": ("Geben Sie die Adresse des Tavirel ein.", "Inserisci l'indirizzo del Tavirel."),
    "This is not a valid address.": ("Dies ist keine gültige Adresse.", "Questo non è un indirizzo valido."),
    "The port must be a number from 1 to 65535.": ("Der Port muss eine Zahl von 1 bis 65535 sein.",
                                                   "La porta deve essere un numero da 1 a 65535."),
    "User name and password cannot contain \"|\".": ("Benutzername und Passwort dürfen kein „|“ enthalten.",
                                                     "Nome utente e password non possono contenere \"|\"."),
}
