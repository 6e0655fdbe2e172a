#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <cstdint>

#include "hunters/TRecCacciatore.h"

// The generated hunter number `i` of the benchmarks, as a secretary fills
// a card: hundreds of surnames and first names, a few of them far more
// common than the others (Rossi, Mario, Marco), some with accents or an
// apostrophe, a few typed in capitals or with a blank left at the end; a
// tax code, address, comune, telephones, e-mail, bank details, documents
// and notes of realistic and varied lengths; dates spread over years (a
// gun licence issued between 2015 and 2024 for five years, so about half
// of them are listed on 10 May 2024). Every value comes from a fixed
// generator started from `i` alone: the same hunter on every run and
// machine, whatever order the hunters are made in.
namespace bench {
namespace data {

// SplitMix64: a fixed, well-mixed sequence from a starting number.
class Random {
public:
    explicit Random(std::uint64_t start) : state_(start) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 <= result < n.
    int below(int n) { return int(next() % std::uint64_t(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }
    // An index below n where the first ones are far more likely, about as
    // names are spread in a population: P(k) ~ sqrt((k+1)/n) - sqrt(k/n).
    int skewed(int n) {
        const double u = double(next() >> 11) / double(1ull << 53);
        const int k = int(double(n) * u * u);
        return k < n ? k : n - 1;
    }
    template <typename T, std::size_t N>
    const T& pick(const std::array<T, N>& items) {
        return items[std::size_t(below(int(N)))];
    }
    template <typename T, std::size_t N>
    const T& pickSkewed(const std::array<T, N>& items) {
        return items[std::size_t(skewed(int(N)))];
    }

private:
    std::uint64_t state_;
};

// Surnames, the most common first; those holding "ross" are spread through
// the list, so that about one hunter in eight has one.
inline constexpr auto kSurnames = std::to_array<const char*>({
    "Rossi",      "Russo",       "Ferrari",    "Rossetti",   "Esposito",   "Bianchi",
    "Rossini",    "Romano",      "Colombo",    "Ricci",      "Rosso",      "Marino",
    "Grossi",     "Greco",       "Bruno",      "Gallo",      "Conti",      "De Luca",
    "Mancini",    "Costa",       "Giordano",   "Rizzo",      "Lombardi",   "Moretti",
    "Barbieri",   "Fontana",     "Santoro",    "Mariani",    "Rinaldi",    "Caruso",
    "Ferrara",    "Galli",       "Martini",    "Leone",      "Longo",      "Gentile",
    "Martinelli", "Vitale",      "Lombardo",   "Serra",      "Coppola",    "De Santis",
    "D'Angelo",   "Marchetti",   "Parisi",     "Villa",      "Conte",      "Ferraro",
    "Ferri",      "Fabbri",      "Bianco",     "Marini",     "Grasso",     "Valentini",
    "Messina",    "Sala",        "De Angelis", "Gatti",      "Pellegrini", "Palumbo",
    "Sanna",      "Farina",      "Rizzi",      "Monti",      "Cattaneo",   "Morelli",
    "Amato",      "Silvestri",   "Mazza",      "Testa",      "Grassi",     "Pellegrino",
    "Carbone",    "Giuliani",    "Benedetti",  "Barone",     "Orlando",    "Damico",
    "Palmieri",   "Bernardi",    "Martino",    "Fiore",      "De Rosa",    "Ferretti",
    "Bellini",    "Basile",      "Riva",       "Donati",     "Piras",      "Vitali",
    "Battaglia",  "Sartori",     "Neri",       "Costantini", "Milani",     "Pagano",
    "Ruggiero",   "Sorrentino",  "D'Amico",    "Orlandi",    "Damiani",    "Negri",
    "Cantù",      "Mollà",       "Nicolò",     "Dell'Acqua", "Lo Russo",   "La Rosa",
    "Di Stefano", "Dalla Costa", "Del Piero",  "Pirrò",      "Bartolini",  "Bertolini",
    "Guidi",      "Landi",       "Mazzoni",    "Nardi",      "Pacini",     "Paoli",
    "Baldini",    "Bandini",     "Becattini",  "Bigazzi",    "Borghi",     "Brogi",
    "Burberi",    "Calamai",     "Cappelli",   "Carli",      "Casini",     "Cecchi",
    "Ceccherini", "Cellai",      "Chiti",      "Cini",       "Corsi",      "Cosi",
    "Del Bene",   "Falorni",     "Fantoni",    "Fedi",       "Frosini",    "Gori",
    "Guasti",     "Innocenti",   "Lazzeri",    "Lenzi",      "Lotti",      "Lucchesi",
    "Magnani",    "Malquori",    "Manetti",    "Masini",     "Mugnai",     "Niccolai",
    "Nocentini",  "Paladini",    "Papini",     "Parrini",    "Pecchioli",  "Pieri",
    "Poggi",      "Puccini",     "Querci",     "Ricciardi",  "Rosselli",   "Sardelli",
    "Scarpelli",  "Senesi",      "Signorini",  "Tani",       "Tozzi",      "Turchi",
    "Vannini",    "Vannucci",    "Venturi",    "Zani",       "Zanè",       "Faè",
    "Pollì",      "Marrà",       "Sciarrà",    "Abbate",     "Agostini",   "Albanese",
    "Alberti",    "Alessi",      "Amadei",     "Angeli",     "Anselmi",    "Ascani",
    "Baldacci",   "Baroni",      "Bassi",      "Belli",      "Bellucci",   "Benini",
    "Berti",      "Bettini",     "Biagini",    "Bonelli",    "Bonini",     "Borelli",
    "Bosco",      "Bracci",      "Bruni",      "Buonamici",  "Calosi",     "Camerini",
    "Capecchi",   "Caporali",    "Carrai",     "Catani",     "Cavallini",  "Chelli",
    "Ciampi",     "Cioni",       "Corti",      "Del Rosso",  "Dini",       "Fabbrini",
    "Fani",       "Fiorentini",  "Franchi",    "Gabbrielli", "Gelli",      "Ghelli",
    "Giannini",   "Grosso",      "Lapi",       "Livi",       "Lorenzini",  "Maccianti",
    "Maffei",     "Manni",       "Marzi",      "Meucci",     "Mori",       "Nesi",
    "Orsini",     "Panichi",     "Pasquini",   "Pratesi",    "Rossello",   "Salvadori",
    "Santini",    "Sassi",       "Sestini",    "Spinelli",   "Taddei",     "Tarchi",
    "Tinacci",    "Ulivi",       "Valori",     "Vezzosi",    "Viviani",    "Zoppi",
    "Rossato",
});

// First names of men, the most common first (those holding "mar" are
// about one in six).
inline constexpr auto kMen = std::to_array<const char*>({
    "Mario",
    "Marco",
    "Giuseppe",
    "Marcello",
    "Giovanni",
    "Antonio",
    "Luigi",
    "Franco",
    "Paolo",
    "Roberto",
    "Francesco",
    "Alessandro",
    "Andrea",
    "Stefano",
    "Massimo",
    "Luca",
    "Giorgio",
    "Sergio",
    "Claudio",
    "Bruno",
    "Carlo",
    "Piero",
    "Enrico",
    "Fabio",
    "Renzo",
    "Alberto",
    "Maurizio",
    "Riccardo",
    "Daniele",
    "Simone",
    "Gianni",
    "Fabrizio",
    "Vincenzo",
    "Salvatore",
    "Pietro",
    "Michele",
    "Lorenzo",
    "Angelo",
    "Raffaele",
    "Matteo",
    "Gianmarco",
    "Alessio",
    "Nicola",
    "Emanuele",
    "Davide",
    "Federico",
    "Mauro",
    "Walter",
    "Silvano",
    "Mariano",
    "Romano",
    "Sandro",
    "Aldo",
    "Guido",
    "Dario",
    "Filippo",
    "Tommaso",
    "Gabriele",
    "Jacopo",
    "Niccolò",
    "Nicolò",
    "Mosè",
    "Giosuè",
    "Noè",
    "Leonardo",
    "Edoardo",
    "Lapo",
    "Duccio",
    "Ottavio",
    "Valerio",
    "Vittorio",
    "Marino",
    "Ugo",
    "Otello",
    "Ivo",
    "Ivano",
    "Elio",
    "Dino",
    "Lido",
    "Loris",
    "Moreno",
    "Mirko",
    "Manuel",
    "Cristian",
    "Samuele",
    "Diego",
    "Giacomo",
    "Emilio",
    "Ernesto",
    "Adriano",
    "Amedeo",
    "Arturo",
    "Benito",
    "Cesare",
    "Corrado",
    "Dante",
    "Domenico",
    "Enzo",
    "Eugenio",
    "Fausto",
    "Fernando",
    "Gino",
    "Giulio",
    "Graziano",
    "Italo",
    "Lamberto",
    "Leandro",
    "Livio",
    "Martino",
    "Marzio",
    "Nello",
    "Oreste",
    "Orlando",
    "Osvaldo",
    "Pasquale",
    "Primo",
    "Remo",
    "Rolando",
    "Rodolfo",
    "Silvio",
    "Tiziano",
    "Umberto",
    "Vasco",
    "Vinicio",
    "Zeno",
    "Omar",
    "Gianmaria",
    "Marcantonio",
    "Gianluca",
    "Pierluigi",
    "Giancarlo",
    "Gian Paolo",
    "Pier Francesco",
    "Ilario",
    "Ettore",
    "Flavio",
    "Luciano",
    "Renato",
    "Alvaro",
    "Athos",
});

// First names of women (a hunter in fifteen).
inline constexpr auto kWomen = std::to_array<const char*>({
    "Maria",      "Anna",       "Giulia",  "Francesca", "Marta",      "Paola",     "Laura",
    "Elena",      "Sara",       "Chiara",  "Silvia",    "Marina",     "Martina",   "Roberta",
    "Barbara",    "Monica",     "Cinzia",  "Daniela",   "Federica",   "Valentina", "Annamaria",
    "Rosamaria",  "Mariangela", "Marisa",  "Mara",      "Tamara",     "Rita",      "Lucia",
    "Alessandra", "Cristina",   "Simona",  "Stefania",  "Letizia",    "Beatrice",  "Caterina",
    "Ilaria",     "Noemi",      "Irene",   "Benedetta", "Margherita", "Graziella", "Loredana",
    "Patrizia",   "Rosanna",    "Tiziana", "Piera",     "Lorella",    "Giuliana",
});

struct Comune {
    const char* name;
    const char* province;
    const char* cap;
    const char* code;  // the cadastral code in a tax code
};

inline constexpr auto kComuni = std::to_array<Comune>({
    {"Siena", "SI", "53100", "I726"},
    {"Firenze", "FI", "50100", "D612"},
    {"Arezzo", "AR", "52100", "A390"},
    {"Grosseto", "GR", "58100", "E202"},
    {"Poggibonsi", "SI", "53036", "G752"},
    {"Colle di Val d'Elsa", "SI", "53034", "C847"},
    {"Montepulciano", "SI", "53045", "F592"},
    {"Montalcino", "SI", "53024", "F402"},
    {"San Gimignano", "SI", "53037", "H875"},
    {"Castelnuovo Berardenga", "SI", "53019", "C227"},
    {"Monteriggioni", "SI", "53035", "F598"},
    {"Sovicille", "SI", "53018", "I877"},
    {"Asciano", "SI", "53041", "A461"},
    {"Chiusi", "SI", "53043", "C661"},
    {"Sinalunga", "SI", "53048", "A468"},
    {"Torrita di Siena", "SI", "53049", "L303"},
    {"Pienza", "SI", "53026", "G602"},
    {"San Quirico d'Orcia", "SI", "53027", "I135"},
    {"Radda in Chianti", "SI", "53017", "H162"},
    {"Gaiole in Chianti", "SI", "53013", "D858"},
    {"Castellina in Chianti", "SI", "53011", "C172"},
    {"Greve in Chianti", "FI", "50022", "E169"},
    {"San Casciano in Val di Pesa", "FI", "50026", "H791"},
    {"Tavarnelle Val di Pesa", "FI", "50028", "L067"},
    {"Barberino Tavarnelle", "FI", "50021", "M408"},
    {"Figline e Incisa Valdarno", "FI", "50063", "M321"},
    {"Empoli", "FI", "50053", "D403"},
    {"Castelfiorentino", "FI", "50051", "C101"},
    {"Certaldo", "FI", "50052", "C529"},
    {"Borgo San Lorenzo", "FI", "50032", "B036"},
    {"Scandicci", "FI", "50018", "B962"},
    {"Sesto Fiorentino", "FI", "50019", "I684"},
    {"Bagno a Ripoli", "FI", "50012", "A564"},
    {"Pontassieve", "FI", "50065", "G825"},
    {"Montaione", "FI", "50050", "F398"},
    {"San Giovanni Valdarno", "AR", "52027", "H901"},
    {"Montevarchi", "AR", "52025", "F656"},
    {"Cortona", "AR", "52044", "D077"},
    {"Bibbiena", "AR", "52011", "A851"},
    {"Castiglion Fiorentino", "AR", "52043", "C319"},
    {"Foiano della Chiana", "AR", "52045", "D649"},
    {"Sansepolcro", "AR", "52037", "I155"},
    {"Massa Marittima", "GR", "58024", "F032"},
    {"Orbetello", "GR", "58015", "G088"},
    {"Follonica", "GR", "58022", "D656"},
    {"Pitigliano", "GR", "58017", "G716"},
    {"Manciano", "GR", "58014", "E875"},
    {"Roccastrada", "GR", "58036", "H449"},
    {"Scansano", "GR", "58054", "I504"},
    {"Arcidosso", "GR", "58031", "A369"},
    {"Pisa", "PI", "56100", "G702"},
    {"Volterra", "PI", "56048", "M126"},
    {"Pontedera", "PI", "56025", "G843"},
    {"San Miniato", "PI", "56028", "I046"},
    {"Santa Maria a Monte", "PI", "56020", "I232"},
    {"Lucca", "LU", "55100", "E715"},
    {"Castelnuovo di Garfagnana", "LU", "55032", "C236"},
    {"Livorno", "LI", "57100", "E625"},
    {"Piombino", "LI", "57025", "G687"},
    {"Cecina", "LI", "57023", "C415"},
    {"Pistoia", "PT", "51100", "G713"},
    {"Prato", "PO", "59100", "G999"},
    {"Massa", "MS", "54100", "F023"},
    {"Perugia", "PG", "06100", "G478"},
    {"Città della Pieve", "PG", "06062", "C744"},
    {"Città di Castello", "PG", "06012", "C745"},
    {"Orvieto", "TR", "05018", "G148"},
    {"Viterbo", "VT", "01100", "M082"},
    {"Acquapendente", "VT", "01021", "A040"},
    {"Roma", "RM", "00100", "H501"},
    {"Bologna", "BO", "40100", "A944"},
    {"Forlì", "FC", "47121", "D704"},
    {"Cantù", "CO", "22063", "B639"},
    {"Montù Beccaria", "PV", "27040", "F701"},
    {"Erbè", "VR", "37060", "D419"},
    {"Napoli", "NA", "80100", "F839"},
    {"Sant'Agata de' Goti", "BN", "82019", "I197"},
    {"Reggio di Calabria", "RC", "89100", "H224"},
    {"Palermo", "PA", "90100", "G273"},
    {"Cagliari", "CA", "09100", "B354"},
});

inline constexpr auto kStreetKinds = std::to_array<const char*>(
    {"Via", "Via", "Via", "Viale", "Piazza", "Corso", "Località", "Strada Provinciale"});

inline constexpr auto kStreetNames = std::to_array<const char*>({
    "Roma",
    "Giuseppe Garibaldi",
    "Giuseppe Mazzini",
    "Camillo Benso di Cavour",
    "Vittorio Emanuele II",
    "XX Settembre",
    "IV Novembre",
    "Dante Alighieri",
    "Giacomo Matteotti",
    "Antonio Gramsci",
    "della Repubblica",
    "della Libertà",
    "Aldo Moro",
    "Sandro Pertini",
    "Martiri della Libertà",
    "dei Mille",
    "San Francesco",
    "Santa Caterina",
    "San Bernardino",
    "del Poggio",
    "delle Rose",
    "dei Cipressi",
    "degli Ulivi",
    "del Mulino",
    "della Stazione",
    "Fonte all'Erta",
    "di Città",
    "del Campo",
    "Montanini",
    "Pantaneto",
    "Fontebranda",
    "di Pescaia",
    "Cassia Nord",
    "Chiantigiana",
    "Senese Aretina",
    "Traversa Valdichiana",
    "Enrico Berlinguer",
    "Luigi Einaudi",
    "Alcide De Gasperi",
    "Giovanni XXIII",
    "Piero della Francesca",
    "Guido Monaco",
    "Leonardo da Vinci",
    "Galileo Galilei",
    "Niccolò Machiavelli",
    "Cecco Angiolieri",
    "Federigo Tozzi",
    "Bettino Ricasoli",
});

inline constexpr auto kMailDomains = std::to_array<const char*>({
    "gmail.com",
    "libero.it",
    "alice.it",
    "hotmail.it",
    "virgilio.it",
    "tiscali.it",
    "yahoo.it",
    "outlook.it",
    "tin.it",
    "email.it",
});

inline constexpr auto kTeams = std::to_array<const char*>({
    "Le Cerbaie",
    "Val d'Orcia",
    "Il Cinghiale",
    "Monte Amiata",
    "La Montagnola",
    "Crete Senesi",
    "Val di Merse",
    "Il Chianti",
    "Poggio alle Mura",
    "La Selva",
    "Le Balze",
    "Monte Maggio",
    "Pian del Lago",
    "I Lupi della Farma",
    "Castagneto",
    "Ponte d'Arbia",
    "Murlo",
    "Vescovado",
    "La Befa",
    "Campriano",
    "Radicondoli",
    "Belforte",
    "Frosini",
    "Montalceto",
    "Lucignano",
    "Sant'Anna",
    "Pietraviva",
    "La Città",
});

inline constexpr auto kBloodGroups =
    std::to_array<const char*>({"0 Rh+", "A Rh+", "B Rh+", "AB Rh+", "0 Rh-", "A Rh-"});

inline constexpr auto kBanks = std::to_array<const char*>({
    "Banca Monte dei Paschi di Siena",
    "Intesa Sanpaolo",
    "UniCredit",
    "Chianti Banca",
    "Banca Popolare di Cortona",
    "BPER Banca",
    "Banco BPM",
    "Crédit Agricole Italia",
    "Banca Cras",
    "Poste Italiane",
});

inline constexpr auto kJobs = std::to_array<const char*>({
    "Agricoltore",
    "Pensionato",
    "Impiegato comunale",
    "Artigiano edile",
    "Operaio metalmeccanico",
    "Libero professionista (geometra)",
    "Commerciante di generi alimentari",
    "Coltivatore diretto, azienda vitivinicola",
    "Autotrasportatore",
    "Insegnante di scuola media",
    "Guardia giurata",
    "Idraulico",
    "Elettricista in proprio",
    "Medico veterinario",
    "Boscaiolo e commerciante di legna da ardere",
    "Dipendente pubblico (Provincia di Siena)",
    "Imprenditore agricolo, agriturismo",
    "Falegname",
});

inline constexpr auto kGuns = std::to_array<const char*>({
    "Fucile Beretta A400 cal. 12",
    "Fucile sovrapposto Beretta 686 cal. 12",
    "Carabina Browning BAR cal. 300 Win Mag",
    "Fucile Benelli Raffaello cal. 12",
    "Carabina Sako 85 cal. 308 Win",
    "Fucile doppietta Bernardelli cal. 20",
    "Fucile Franchi Affinity cal. 12",
    "Carabina Blaser R8 cal. 30-06",
    "Fucile semiautomatico Fabarm cal. 12",
    "Carabina Merkel Helix cal. 9,3x62",
    "Fucile Breda Altair cal. 12",
    "Carabina Tikka T3x cal. 270 Win",
    "Fucile a pompa Remington 870 cal. 12",
    "Fucile Bettinsoli sovrapposto cal. 28",
    "Carabina Mauser M98 cal. 8x57 JS",
    "Fucile Beretta Silver Pigeon cal. 12",
});

inline constexpr auto kNotes = std::to_array<const char*>({
    "È socio dal 1998",
    "Paga la quota in contanti",
    "Chiede la ricevuta per la dichiarazione dei redditi",
    "Caposquadra al cinghiale",
    "Trasferito dall'ATC AR 2",
    "Telefonare dopo le 18:00",
    "Ha già versato la quota dell'anno",
    "Da ricontattare per il certificato medico",
    "Tesserino consegnato in sede",
    "Non vuole ricevere comunicazioni per e-mail",
    "Partecipa alle battute di caccia di selezione al capriolo",
    "Però manca la fotocopia del porto d'armi",
    "Abilitato al controllo della fauna (corso del 2019)",
    "Cane da seguita registrato all'anagrafe canina",
    "Rinnovo del porto d'armi in corso presso la Questura",
    "Quota familiare: il figlio è iscritto con lui",
    "Più volte sollecitato per il pagamento",
    "Cambio di residenza comunicato a voce, da verificare",
    "Perché non risponde al telefono, scrivere per posta",
    "Chiede di essere spostato in un'altra squadra",
    "Già guardia volontaria venatoria",
    "Ritira il materiale della squadra in città",
    "Assicurazione con la polizza collettiva dell'associazione",
    "Richiesta la copia del tesserino smarrito",
});

inline constexpr auto kDocuments =
    std::to_array<const char*>({"Carta d'identità", "Patente di guida", "Passaporto"});

inline QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
}

inline QString date(int day, int month, int year) {
    return twoDigits(day) + u'/' + twoDigits(month) + u'/' + QString::number(year);
}

inline QString anyDate(Random& r, int fromYear, int toYear) {
    return date(r.between(1, 28), r.between(1, 12), r.between(fromYear, toYear));
}

inline QString digits(Random& r, int count) {
    QString s;
    for (int k = 0; k < count; ++k) s += QChar(u'0' + r.below(10));
    return s;
}

inline QString letters(Random& r, int count) {
    QString s;
    for (int k = 0; k < count; ++k) s += QChar(u'A' + r.below(26));
    return s;
}

// Plain capitals of a text, accents and everything else left out.
inline QString plainUpper(const QString& text) {
    QString s;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.unicode() < 0x80 && c.isLetter()) s += c.toUpper();
    }
    return s;
}

// The three letters of a surname or name in a tax code.
inline QString taxLetters(const QString& text, bool isName) {
    const QString plain = plainUpper(text);
    QString consonants;
    QString vowels;
    for (const QChar c : plain) (QStringLiteral("AEIOU").contains(c) ? vowels : consonants) += c;
    if (isName && consonants.size() >= 4) {
        return QString(consonants[0]) + consonants[2] + consonants[3];
    }
    return (consonants + vowels + QStringLiteral("XXX")).left(3);
}

inline QString taxCode(const QString& surname, const QString& name, bool woman, int day, int month,
                       int year, const char* place) {
    static const char kMonths[] = "ABCDEHLMPRST";
    QString code = taxLetters(surname, false) + taxLetters(name, true) + twoDigits(year % 100) +
                   QChar(kMonths[month - 1]) + twoDigits(day + (woman ? 40 : 0)) +
                   QString::fromLatin1(place);
    static const int kOdd[] = {1,  0,  5, 7, 9, 13, 15, 17, 19, 21, 2,  4,  18,
                               20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};
    int sum = 0;
    for (qsizetype k = 0; k < code.size(); ++k) {
        const char16_t c = code[k].unicode();
        const int v = c <= u'9' ? c - u'0' : c - u'A';
        sum += k % 2 == 0 ? kOdd[v] : v;
    }
    return code + QChar(u'A' + sum % 26);
}

// An Italian IBAN with its check digits.
inline QString iban(Random& r) {
    const QString bban = letters(r, 1) + digits(r, 10) + digits(r, 12);
    const QString moved = bban + QStringLiteral("IT00");
    int rest = 0;
    for (const QChar c : moved) {
        const int v = c.isDigit() ? c.unicode() - u'0' : c.unicode() - u'A' + 10;
        rest = (v >= 10 ? rest * 100 : rest * 10) + v;
        rest %= 97;
    }
    return QStringLiteral("IT") + twoDigits(98 - rest) + bban;
}

inline QString mobile(Random& r) {
    const QString prefix = QStringLiteral("3") + QString::number(r.between(20, 93));
    const QString number = digits(r, 7);
    switch (r.below(4)) {
        case 0:
            return prefix + number;
        case 1:
            return prefix + u'/' + number;
        case 2:
            return prefix + u' ' + number.left(3) + u' ' + number.mid(3);
        default:
            return prefix + u' ' + number;
    }
}

inline QString landline(Random& r) {
    static constexpr std::array<const char*, 6> areas = {"0577", "055", "0575",
                                                         "0564", "050", "0578"};
    return QString::fromLatin1(r.pick(areas)) + u' ' + digits(r, 6);
}

// Lower-case letters of a text for an e-mail address.
inline QString mailPart(const QString& text) {
    return plainUpper(text).toLower();
}

}  // namespace data

inline TRecCacciatore hunter(int i) {
    using namespace data;
    Random r(0x5E1FAD0Full * std::uint64_t(i + 1));
    const auto text = [](const char* s) { return QString::fromUtf8(s); };
    TRecCacciatore h;

    const bool woman = r.below(15) == 0;
    QString surname = text(r.pickSkewed(kSurnames));
    QString name = woman ? text(r.pickSkewed(kWomen)) : text(r.pickSkewed(kMen));
    if (r.chance(4)) {  // typed with Caps Lock on
        h.Cognome = surname.toUpper();
        h.Nome = name.toUpper();
    } else {
        h.Cognome = surname;
        h.Nome = name;
    }
    if (r.chance(2)) h.Cognome += u' ';  // a blank left at the end

    const int birthDay = r.between(1, 28);
    const int birthMonth = r.between(1, 12);
    const int birthYear = r.between(1940, 2005);
    const Comune& born = r.pickSkewed(kComuni);
    const Comune& lives = r.chance(60) ? born : r.pickSkewed(kComuni);
    h.CodFisc = taxCode(surname, name, woman, birthDay, birthMonth, birthYear, born.code);
    h.Sesso = woman ? QStringLiteral("F") : QStringLiteral("M");
    h.DataNasc = date(birthDay, birthMonth, birthYear);
    h.CittaNasc = text(born.name);
    h.StatoNasc = r.chance(95) ? QStringLiteral("Italia") : QStringLiteral("Svizzera");
    if (r.chance(25)) h.Iva = QStringLiteral("0") + digits(r, 10);

    const char* kind = r.pick(kStreetKinds);
    h.Indirizzo = text(kind) + u' ' + text(r.pick(kStreetNames));
    if (QByteArrayView(kind) == "Località") {
        h.Indirizzo = text(kind) + u' ' + text(r.pick(kTeams));
    }
    h.Indirizzo += r.chance(10) ? QStringLiteral(" snc")
                                : QStringLiteral(", ") + QString::number(r.between(1, 180)) +
                                      (r.chance(15) ? QStringLiteral("/A") : QString());
    h.Cap = text(lives.cap);
    h.ComuneRes = text(lives.name);
    h.ProvRes = text(lives.province);
    h.StatoCit = text(r.pick(kBloodGroups));
    h.Ingresso = QStringLiteral("ATC SI ") + QString::number(r.between(1, 3));
    if (r.chance(40)) h.Ingresso += QStringLiteral(", ATC GR ") + QString::number(r.between(6, 9));

    h.TelCel = mobile(r);
    h.TelCasa = landline(r);
    if (r.chance(35)) h.TelUff = landline(r);
    h.Recapito = r.chance(70) ? h.TelCel : h.TelCasa;
    if (r.chance(85)) {
        h.Email = mailPart(name) + (r.chance(50) ? QStringLiteral(".") : QString()) +
                  mailPart(surname) +
                  (r.chance(40) ? QString::number(r.between(1, 99)) : QString()) + u'@' +
                  text(r.pick(kMailDomains));
    }

    h.Permesso =
        QStringLiteral("Squadra n. %1 \"%2\"").arg(r.between(1, 60)).arg(text(r.pick(kTeams)));
    h.ScadePer = anyDate(r, 1980, 2024);
    h.ComuniSog = text(r.pick(kComuni).name);
    if (r.chance(50)) h.ComuniSog += QStringLiteral(", ") + text(r.pick(kComuni).name);
    h.Iban = iban(r);
    h.Intestatario =
        r.chance(85) ? surname + u' ' + name : surname + u' ' + text(r.pickSkewed(kWomen));
    h.Banca = text(r.pick(kBanks));
    if (r.chance(30)) {
        h.Carta = QStringLiteral("4%1 %2 %3 %4")
                      .arg(digits(r, 3), digits(r, 4), digits(r, 4), digits(r, 4));
        h.ScadeCarta = date(28, r.between(1, 12), r.between(2024, 2030));
    }
    h.TipoLavoro = text(r.pick(kJobs));
    h.Precedenti = text(r.pick(kGuns));
    for (int k = r.below(3); k > 0; --k) h.Precedenti += QStringLiteral("; ") + text(r.pick(kGuns));
    h.Note = text(r.pick(kNotes));
    if (r.chance(40)) h.Note += QStringLiteral(". ") + text(r.pick(kNotes));
    if (r.chance(25)) h.Note += QStringLiteral(" (aggiornato il ") + anyDate(r, 2018, 2024) + u')';

    const int document = r.below(3);
    h.TipoDoc = text(kDocuments[std::size_t(document)]);
    h.NumDoc = document == 0 ? QStringLiteral("CA") + digits(r, 5) + letters(r, 2)
                             : letters(r, 2) + digits(r, 7);
    h.EnteRil = document == 0   ? QStringLiteral("Comune di ") + h.ComuneRes
                : document == 1 ? QStringLiteral("Motorizzazione di ") + h.ComuneRes
                                : QStringLiteral("Questura di Siena");
    const int issued = r.between(2014, 2023);
    h.DataRil = anyDate(r, issued, issued);
    h.DataSca = date(birthDay, birthMonth, issued + 10);
    h.Civile = QStringLiteral("SI-%1-%2").arg(r.between(1985, 2024)).arg(i + 1, 6, 10, QChar(u'0'));
    h.Coniuge = QStringLiteral("TV ") + digits(r, 7);
    h.Figli = r.chance(80) ? QStringLiteral("2023/2024") : QStringLiteral("2022/2023");
    h.Datore = letters(r, 1) + digits(r, 6) + u'-' + letters(r, 1);

    // A gun licence of five years, issued between 2015 and 2024.
    const int licenceYear = r.between(2015, 2024);
    const int licenceDay = r.between(1, 28);
    const int licenceMonth = r.between(1, 12);
    h.Decorrenza = date(licenceDay, licenceMonth, licenceYear);
    h.Scadenza = date(licenceDay, licenceMonth, licenceYear + 5);
    static constexpr std::array<const char*, 4> notices = {"30", "60", "90", "30"};
    h.Preavviso = text(r.pick(notices));
    static constexpr std::array<const char*, 5> taxes = {"173,16", "173,16", "168,00", "84,00",
                                                         "200,00"};
    h.Totale = text(r.pick(taxes));
    h.Contratto = r.chance(70) ? QStringLiteral("Questura di ") + text(r.pick(kComuni).name)
                               : QStringLiteral("Commissariato di P.S. di Montepulciano");
    if (r.chance(10)) {
        h.File01 = QStringLiteral("C:\\Documenti\\Cacciatori\\") + mailPart(surname) + u'_' +
                   mailPart(name) + QStringLiteral("_porto.pdf");
        h.Desc01 = QStringLiteral("Copia del porto d'armi");
    }
    return h;
}

}  // namespace bench
