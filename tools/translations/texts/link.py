# Texts of the link's state on the connection screens.
TEXTS = {
    "Connecting to %1…": ("Verbindung zu %1 wird hergestellt…", "Connessione a %1 in corso…"),
    "Logging in to %1…": ("Anmeldung bei %1…", "Accesso a %1 in corso…"),
    "Connection to %1 lost — reconnecting…": (
        "Verbindung zu %1 unterbrochen — neuer Versuch läuft…",
        "Connessione a %1 persa — nuova connessione in corso…",
    ),
    "Next attempt in %1 s.": ("Nächster Versuch in %1 s.", "Prossimo tentativo tra %1 s."),
    "Trying again…": ("Neuer Versuch…", "Nuovo tentativo…"),
    "none": ("keine", "nessuno"),
    "%1 (%2)": ("%1 (%2)", "%1 (%2)"),
    "%1 refused the connection. Is the address right and the Tavirel switched on?": (
        "%1 hat die Verbindung abgelehnt. Stimmt die Adresse und ist das Tavirel eingeschaltet?",
        "%1 ha rifiutato la connessione. L'indirizzo è corretto e il Tavirel è acceso?",
    ),
    "%1 has no address. Choose another Tavirel or add it again.": (
        "%1 hat keine Adresse. Wählen Sie ein anderes Tavirel oder fügen Sie es neu hinzu.",
        "%1 non ha un indirizzo. Scegli un altro Tavirel o aggiungilo di nuovo.",
    ),
    "%1 cannot be reached. Check the address and the network.": (
        "%1 ist nicht erreichbar. Prüfen Sie die Adresse und das Netzwerk.",
        "%1 non è raggiungibile. Controlla l'indirizzo e la rete.",
    ),
    "%1 did not answer in time. Check the address and the network.": (
        "%1 hat nicht rechtzeitig geantwortet. Prüfen Sie die Adresse und das Netzwerk.",
        "%1 non ha risposto in tempo. Controlla l'indirizzo e la rete.",
    ),
    "%1 did not answer the login.": ("%1 hat auf die Anmeldung nicht geantwortet.", "%1 non ha risposto all'accesso."),
    "%1 accepted the login but sent no data.": (
        "%1 hat die Anmeldung angenommen, aber keine Daten gesendet.",
        "%1 ha accettato l'accesso ma non ha inviato dati.",
    ),
    "%1 closed the connection during the login.": (
        "%1 hat die Verbindung während der Anmeldung geschlossen.",
        "%1 ha chiuso la connessione durante l'accesso.",
    ),
    "%1 stopped answering.": ("%1 antwortet nicht mehr.", "%1 non risponde più."),
    "Choose another Tavirel": ("Anderes Tavirel wählen", "Scegli un altro Tavirel"),
}
