#!/bin/sh
# ManPage.sh PROGRAM VERSION GUIDE OUT
# Writes the manual page selvadoro.1 from the program's own usage text
# (`selvadoro aiuto`), so that the two always say the same: the first line
# gives the synopsis, the rest (the commands, the archives, the summaries) is
# copied as it is printed. The description is written here, for the reader
# of the page: the data folder, its files, the share, the exit statuses.
set -eu
program=$1
version=$2
guide=$3
out=$4

usage=$(QT_QPA_PLATFORM=offscreen "$program" aiuto)

# Text for troff: backslashes and minus signs escaped, no line starting
# with a control character.
escape() {
    sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"
}

{
    printf '.TH SELVADORO 1 "" "Selvadoro %s" "Comandi di Selvadoro"\n' "$version"
    # No hyphenation and a ragged right edge: names and options stay whole.
    printf '.nh\n.ad l\n'
    printf '.SH NOME\n'
    printf 'selvadoro \\- gli archivi dell%sassociazione venatoria\n' "'"
    printf '.SH SINTASSI\n'
    printf '%s\n' "$usage" | sed -n '1s/^Uso: selvadoro //p' | escape |
        sed 's/^/.B selvadoro\n/'
    printf '.SH DESCRIZIONE\n'
    cat <<'EOF'
Selvadoro è il programma con cui la segreteria di un'associazione venatoria
tiene i propri archivi: l'anagrafica dei cacciatori, le squadre di caccia, le
battute, lo schedario delle armi, le comunicazioni ai soci e le scadenze
dell'anno. Senza comando apre le sue finestre (prima la password; al primo
accesso \fBprimaveraprato\fR). Con un comando lavora senza finestre e scrive
in UTF\-8: i comandi chiamano lo stesso codice delle finestre.
.SS La cartella dei dati
Tutti gli archivi stanno in una cartella, la cartella dei dati, scelta così:
.IP 1. 4
la cartella indicata con \fB\-\-cartella\fR \fICARTELLA\fR;
.IP 2. 4
altrimenti quella della variabile d'ambiente \fBSELVADORO_CARTELLA\fR;
.IP 3. 4
altrimenti la cartella del programma, se vi si può scrivere e contiene i file
del programma (\fIGuida.pdf\fR accanto all'eseguibile): è la cartella
portatile, che si copia per intero su una chiavetta USB o in rete;
.IP 4. 4
altrimenti, come per il programma installato con il pacchetto, la cartella
\fISelvadoro\fR dentro la cartella dei documenti del desktop dell'utente
(\fIDocumenti\fR su un desktop in italiano, \fIDocuments\fR su uno in
inglese), creata al primo avvio. È la cartella che il desktop stesso indica
per i documenti: la voce \fBXDG_DOCUMENTS_DIR\fR di
\fI~/.config/user\-dirs.dirs\fR (\fBxdg\-user\-dir DOCUMENTS\fR la mostra),
oppure \fI~/Documents\fR senza quella voce.
.PP
La finestra delle informazioni mostra la cartella in uso. I comandi non creano
mai un archivio che non c'è.
.SS I file della cartella dei dati
.TP
.I Cacciatori.pro, Squadre.pro, Battute.pro, Schedario_Armi.pro, Comunicazioni.pro
gli archivi, una scheda dopo l'altra;
.TP
.I AAAA.sca
le scadenze e i pagamenti di un anno (\fI2024.sca\fR);
.TP
.I unins000.dll
la password d'accesso;
.TP
.I Selvadoro.ini, Impostazioni.ini
le scelte del programma (pannello "Da fare", importazione, etichette) e le
impostazioni dei backup;
.TP
.I Documenti_Allegati/, Schedario/
i file allegati alle schede e le foto delle armi;
.TP
.I Backup/
i backup, se non si è scelta un'altra cartella;
.TP
.I *.xls, *.rtf
le esportazioni in Excel e le schede esportate per la videoscrittura;
.TP
.I *.pro\-journal, *.pro.lock
presenti solo mentre una postazione salva: la copia di ciò che il salvataggio
sostituisce e il blocco delle altre postazioni. Non vanno cancellati a mano: la
prossima azione sull'archivio rimette a posto un salvataggio interrotto.
.SS Cartella condivisa in rete
Più postazioni possono usare la stessa cartella dei dati in rete: due
salvataggi nello stesso momento non si sovrascrivono, e chi legge aspetta chi
scrive (al massimo 15 secondi, poi un avviso). Le postazioni devono avere
l'orologio giusto. Un disco di rete montato con una cache degli attributi dei
file (sshfs e gli altri dischi FUSE) deve averla spenta
(\fB\-o attr_timeout=0,entry_timeout=0\fR), perché ogni postazione veda
subito la lunghezza dell'archivio scritta dalle altre; le condivisioni SMB e
NFS la rileggono da sole. Il pannello "Da fare" si aggiorna da solo quando
un'altra postazione cambia gli archivi.
.SS Stato d'uscita
.TP
.B 0
il comando è riuscito;
.TP
.B 1
il comando non è riuscito (un archivio che non si può leggere, un file che non
si può scrivere, righe rifiutate dall'importazione, un codice errato per
\fBcontrolla\fR, nessuno schermo per le finestre); il messaggio dice perché;
.TP
.B 2
errore d'uso: il messaggio, l'uso del comando e l'indicazione di
\fBselvadoro \-\-help\fR per l'elenco completo.
EOF
    printf '.SH COMANDI\n'
    printf '.nf\n'
    printf '%s\n' "$usage" | awk 'found >= 2 && !/^Comandi:$/ { print } /^$/ { found++ }' | escape
    printf '.fi\n'
    printf '.SH FILE\n'
    printf '.TP\n%s\n' "$guide"
    printf 'la guida completa, che mostra anche \\fBselvadoro guida\\fR\n'
} > "$out"
