<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="pt_BR">
<context>
    <name>Vireloom</name>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>%@ %@ já saiu; o instalado é o %@.</source>
        <translation>Κυκλοφόρησε το %@ %@· το εγκατεστημένο είναι το %@.</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>%@ foi deixado de lado</source>
        <translation>Το %@ παραμερίστηκε</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>%@ não consta em %@</source>
        <translation>Το %@ δεν αναφέρεται στο %@</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>%@ não está mais na pasta. Use “Baixar de novo” para buscá-lo outra vez.</source>
        <translation>Το %@ δεν βρίσκεται πια στον φάκελό του. Χρησιμοποιήστε το «Λήψη ξανά» για να το φέρετε άλλη μία φορά.</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>%@ não traz uma assinatura válida da chave de lançamento do yt-dlp</source>
        <translation>Το %@ δεν φέρει έγκυρη υπογραφή από το κλειδί κυκλοφοριών του yt-dlp</translation>
    </message>
    <message>
        <location filename="../../intake/linkfile.cpp"/>
        <source>%@ é grande demais para uma lista de links.</source>
        <translation>Το %@ είναι υπερβολικά μεγάλο για λίστα συνδέσμων.</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>%ld de %ld escolhidos</source>
        <translation>%ld από %ld επιλεγμένα</translation>
    </message>
    <message numerus="yes">
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>%ld download concluído|%ld downloads concluídos</source>
        <translation>
            <numerusform>%ld λήψη ολοκληρώθηκε</numerusform>
            <numerusform>%ld λήψεις ολοκληρώθηκαν</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>%ld download foi interrompido|%ld downloads foram interrompidos</source>
        <translation>
            <numerusform>%ld λήψη διακόπηκε</numerusform>
            <numerusform>%ld λήψεις διακόπηκαν</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/shell.cpp"/>
        <source>%ld download|%ld downloads</source>
        <translation>
            <numerusform>%ld λήψη</numerusform>
            <numerusform>%ld λήψεις</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/playlistplan.cpp"/>
        <source>%ld indisponível|%ld indisponíveis</source>
        <translation>
            <numerusform>%ld μη διαθέσιμο</numerusform>
            <numerusform>%ld μη διαθέσιμα</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>%ld item aponta para a sua rede local|%ld itens apontam para a sua rede local</source>
        <translation>
            <numerusform>%ld στοιχείο οδηγεί στο τοπικό σας δίκτυο</numerusform>
            <numerusform>%ld στοιχεία οδηγούν στο τοπικό σας δίκτυο</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/queuesummary.cpp"/>
        <source>%ld item|%ld itens</source>
        <translation>
            <numerusform>%ld στοιχείο</numerusform>
            <numerusform>%ld στοιχεία</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../root/downloader.cpp"/>
        <source>%ld já estava na fila|%ld já estavam na fila</source>
        <translation>
            <numerusform>%ld ήταν ήδη στην ουρά</numerusform>
            <numerusform>%ld ήταν ήδη στην ουρά</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../root/downloader.cpp"/>
        <source>%ld link adicionado|%ld links adicionados</source>
        <translation>
            <numerusform>Προστέθηκε %ld σύνδεσμος</numerusform>
            <numerusform>Προστέθηκαν %ld σύνδεσμοι</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../root/downloader.cpp"/>
        <source>%ld novo de %@|%ld novos de %@</source>
        <translation>
            <numerusform>%ld νέο από %@</numerusform>
            <numerusform>%ld νέα από %@</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>%ld novo|%ld novos</source>
        <translation>
            <numerusform>%ld νέο</numerusform>
            <numerusform>%ld νέα</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 12 horas</source>
        <translation>Κάθε 12 ώρες</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 15 minutos</source>
        <translation>Κάθε 15 λεπτά</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 3 horas</source>
        <translation>Κάθε 3 ώρες</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 6 horas</source>
        <translation>Κάθε 6 ώρες</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada hora</source>
        <translation>Κάθε ώρα</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>A conexão caiu antes do fim do download. “Tentar de novo” continua de onde parou.</source>
        <translation>Η σύνδεση διακόπηκε πριν ολοκληρωθεί η λήψη. Η «Επανάληψη» συνεχίζει από εκεί που σταμάτησε.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>A conexão pelo proxy definido em Ajustes falhou. Confira o endereço do proxy ou deixe o campo vazio.</source>
        <translation>Η σύνδεση μέσω του διακομιστή μεσολάβησης των ρυθμίσεων απέτυχε. Ελέγξτε τη διεύθυνσή του ή αφήστε το πεδίο κενό.</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>A conexão segura com %@ falhou.</source>
        <translation>Η ασφαλής σύνδεση με το %@ απέτυχε.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>A lista de downloads salva não pôde ser lida e foi guardada à parte.</source>
        <translation>Η αποθηκευμένη λίστα λήψεων δεν ήταν δυνατό να διαβαστεί και φυλάχτηκε χωριστά.</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>A mensagem do navegador tem o campo “%@” com um valor do tipo errado.</source>
        <translation>Το μήνυμα του προγράμματος περιήγησης έχει στο πεδίο «%@» τιμή λάθος τύπου.</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>A parte pedida começa depois do fim do vídeo, que dura %@.</source>
        <translation>Το τμήμα που ζητήσατε αρχίζει μετά το τέλος του βίντεο, που διαρκεί %@.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>A pasta precisa ser um caminho absoluto, sem caracteres de controle.</source>
        <translation>Ο φάκελος πρέπει να είναι απόλυτη διαδρομή, χωρίς χαρακτήρες ελέγχου.</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>A qualidade dos downloads de --follow: best, p2160, p1440, p1080, p720, p480, mp3 ou m4a.</source>
        <translation>Η ποιότητα των λήψεων του --follow: best, p2160, p1440, p1080, p720, p480, mp3 ή m4a.</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>A soma SHA-256 de %@ não confere com %@</source>
        <translation>Το άθροισμα SHA-256 του %@ δεν ταιριάζει με το %@</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Abertura</source>
        <translation>Εισαγωγή</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Abra, mostre na pasta ou baixe de novo qualquer coisa que passou pelo Vireloom.</source>
        <translation>Ανοίξτε, εμφανίστε στον φάκελο ή κάντε ξανά λήψη οποιουδήποτε στοιχείου πέρασε από το Vireloom.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Abre direto na maioria dos players e editores, sem converter</source>
        <translation>Ανοίγει απευθείας στα περισσότερα προγράμματα αναπαραγωγής και επεξεργασίας, χωρίς μετατροπή</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Abrir</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Abrir a pasta da extensão</source>
        <translation>Άνοιγμα του φακέλου της επέκτασης</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Abrir ajustes</source>
        <translation>Άνοιγμα ρυθμίσεων</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Abrir no navegador e enviar de novo</source>
        <translation>Άνοιγμα στο πρόγραμμα περιήγησης και νέα αποστολή</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Abrir pasta</source>
        <translation>Άνοιγμα φακέλου</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Acesso negado (403). Tente Ajustes ▸ Motor ▸ Atualizar yt-dlp.</source>
        <translation>Δεν επιτρέπεται η πρόσβαση (403). Δοκιμάστε Ρυθμίσεις ▸ Μηχανή ▸ Ενημέρωση yt-dlp.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Aguardando a primeira leitura</source>
        <translation>Αναμονή για την πρώτη ανάγνωση</translation>
    </message>
    <message>
        <location filename="../../engine/downloadwindow.cpp"/>
        <source>Aguardando até %@</source>
        <translation>Αναμονή έως %@</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Ainda não configurados: %@</source>
        <translation>Δεν έχουν ρυθμιστεί ακόμη: %@</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Ajustar o proxy</source>
        <translation>Ρύθμιση διακομιστή μεσολάβησης</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SettingsPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Ajustes</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Ajustes…</source>
        <translation>Ρυθμίσεις…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Arquivo de cookies</source>
        <translation>Αρχείο cookies</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Arquivos</source>
        <translation>Αρχεία</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Arquivos de cookies</source>
        <translation>Αρχεία cookies</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Arquivos de texto</source>
        <translation>Αρχεία κειμένου</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Atualizar %@</source>
        <translation>Ενημέρωση %@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Atualizar ffmpeg e Deno</source>
        <translation>Ενημέρωση ffmpeg και Deno</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Atualizar yt-dlp</source>
        <translation>Ενημέρωση yt-dlp</translation>
    </message>
    <message>
        <source>Aumentar</source>
        <translation type="vanished">Αύξηση</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SecondsRow.qml"/>
        <location filename="../../ui/qml/settings/StepperRow.qml"/>
        <source>Aumentar %@ (agora %@)</source>
        <translation>Αύξηση %@ (τώρα %@)</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Automáticas</source>
        <translation>Αυτόματοι</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Autopromoção</source>
        <translation>Αυτοπροβολή</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Baixa cada link de um arquivo de texto, com as escolhas do campo de link.</source>
        <translation>Κάνει λήψη κάθε συνδέσμου ενός αρχείου κειμένου, με τις επιλογές του πεδίου συνδέσμου.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Baixado</source>
        <translation>Ληφθέντα</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>Baixado com o yt-dlp %@, o último que funcionou: o %@ falhou e foi deixado de lado.</source>
        <translation>Λήφθηκε με το yt-dlp %@, το τελευταίο που λειτούργησε: το %@ απέτυχε και παραμερίστηκε.</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Baixando</source>
        <translation>Γίνεται λήψη</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Baixando Deno (necessário para o YouTube)…</source>
        <translation>Λήψη Deno (απαιτείται για το YouTube)…</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Baixando ffmpeg…</source>
        <translation>Λήψη ffmpeg…</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Baixando yt-dlp…</source>
        <translation>Λήψη yt-dlp…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/ClipboardBanner.qml"/>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Baixar</source>
        <translation>Λήψη</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Baixar de novo</source>
        <translation>Λήψη ξανά</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Baixar link da área de transferência</source>
        <translation>Λήψη συνδέσμου από το πρόχειρο</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Baixar sem perguntar quando um endereço vireloom: aponta para este computador ou para a sua rede.</source>
        <translation>Λήψη χωρίς ερώτηση όταν μια διεύθυνση vireloom: δείχνει σε αυτόν τον υπολογιστή ή στο δίκτυό σας.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Botão no navegador</source>
        <translation>Κουμπί στο πρόγραμμα περιήγησης</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Buscar por título, site ou link</source>
        <translation>Αναζήτηση με τίτλο, ιστότοπο ή σύνδεσμο</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Canal</source>
        <translation>Κανάλι</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Cancelado</source>
        <translation>Ακυρώθηκε</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <location filename="../../ui/qml/shell/QuitDialog.qml"/>
        <source>Cancelar</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Capítulos</source>
        <translation>Κεφάλαια</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Chromium, Chrome, Brave, Vivaldi e Edge: em chrome://extensions, ligue o Modo do desenvolvedor, clique em “Carregar sem compactação” e escolha a pasta vireloom-chromium. Firefox e LibreWolf: em about:debugging ▸ Este Firefox, clique em “Carregar extensão temporária…” e escolha o vireloom-firefox.xpi.</source>
        <translation>Chromium, Chrome, Brave, Vivaldi και Edge: στο chrome://extensions, ενεργοποιήστε τη Λειτουργία προγραμματιστή, πατήστε «Φόρτωση μη πακεταρισμένης» και επιλέξτε τον φάκελο vireloom-chromium. Firefox και LibreWolf: στο about:debugging ▸ Αυτός ο Firefox, πατήστε «Φόρτωση προσωρινού προσθέτου…» και επιλέξτε το vireloom-firefox.xpi.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Cole acima o link de um canal, de uma playlist ou de um feed de podcast. O Vireloom verifica de tempos em tempos e baixa o que for novo.</source>
        <translation>Επικολλήστε παραπάνω τον σύνδεσμο ενός καναλιού, μιας λίστας αναπαραγωγής ή μιας ροής podcast. Το Vireloom τον ελέγχει κατά διαστήματα και κάνει λήψη όσων είναι νέα.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Cole o link de um vídeo…</source>
        <translation>Επικολλήστε σύνδεσμο βίντεο…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/EmptyCard.qml"/>
        <source>Cole um link acima, arraste um link para a janela
ou copie um link e volte para o Vireloom.</source>
        <translation>Επικολλήστε έναν σύνδεσμο παραπάνω, σύρετε έναν σύνδεσμο στο παράθυρο
ή αντιγράψτε έναν σύνδεσμο και επιστρέψτε στο Vireloom.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Cole um link,</source>
        <translation>Επικολλήστε έναν σύνδεσμο,</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Como nos ajustes</source>
        <translation>Όπως στις ρυθμίσεις</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído</source>
        <translation>Ολοκληρώθηκε</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído com falhas · %ld de %ld</source>
        <translation>Ολοκληρώθηκε με αποτυχίες · %ld από %ld</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído · %@</source>
        <translation>Ολοκληρώθηκε · %@</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído · %ld arquivo|Concluído · %ld arquivos</source>
        <translation>
            <numerusform>Ολοκληρώθηκε · %ld αρχείο</numerusform>
            <numerusform>Ολοκληρώθηκε · %ld αρχεία</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Conexão</source>
        <translation>Δίκτυο</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Conexões paralelas por download</source>
        <translation>Παράλληλες συνδέσεις ανά λήψη</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <source>Configurado nos navegadores:</source>
        <translation>Ρυθμίστηκε στα προγράμματα περιήγησης:</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Configurados: %@</source>
        <translation>Ρυθμισμένα: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Configurar</source>
        <translation>Ρύθμιση</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Configurar os navegadores para a extensão do Vireloom</source>
        <translation>Ρύθμιση των προγραμμάτων περιήγησης για την επέκταση του Vireloom</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Convertendo o vídeo</source>
        <translation>Μετατροπή του βίντεο</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Convertendo para M4A</source>
        <translation>Μετατροπή σε M4A</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Convertendo para MP3</source>
        <translation>Μετατροπή σε MP3</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar</source>
        <translation>Αντιγραφή</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Copiar link</source>
        <translation>Αντιγραφή συνδέσμου</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/LogSheet.qml"/>
        <source>Copiar log</source>
        <translation>Αντιγραφή καταγραφής</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar o caminho da pasta da extensão</source>
        <translation>Αντιγραφή της διαδρομής του φακέλου της επέκτασης</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar o endereço para lançadores e terminal</source>
        <translation>Αντιγραφή της διεύθυνσης για εκκινητές και τερματικό</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar o favorito do navegador</source>
        <translation>Αντιγραφή του σελιδοδείκτη για το πρόγραμμα περιήγησης</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Corrigindo o arquivo</source>
        <translation>Διόρθωση του αρχείου</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Criar</source>
        <translation>Δημιουργία</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Crie um favorito e cole isto como endereço — ele envia a página atual para o Vireloom.</source>
        <translation>Δημιουργήστε έναν σελιδοδείκτη και επικολλήστε αυτό ως διεύθυνσή του — στέλνει την τρέχουσα σελίδα στο Vireloom.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Ctrl+Shift+V baixa o link copiado</source>
        <translation>Το Ctrl+Shift+V κάνει λήψη του αντιγραμμένου συνδέσμου</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Daqui em diante</source>
        <translation>Από τώρα και στο εξής</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Das … às …</source>
        <translation>Από … έως …</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Deixa os navegadores instalados enviarem links ao Vireloom pela extensão dele, e sai.</source>
        <translation>Επιτρέπει στα εγκατεστημένα προγράμματα περιήγησης να στέλνουν συνδέσμους στο Vireloom μέσω της επέκτασής του, και τερματίζει.</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Deixado como está, pois não foi escrito pelo Vireloom:</source>
        <translation>Έμεινε ως έχει, επειδή δεν το έγραψε το Vireloom:</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Deixar de seguir</source>
        <translation>Διακοπή παρακολούθησης</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Deixar de seguir “%@”?</source>
        <translation>Διακοπή παρακολούθησης του «%@»;</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Deixe vazio para conectar direto.</source>
        <translation>Αφήστε το κενό για απευθείας σύνδεση.</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Deno: alguns sites, o YouTube entre eles, precisam dele.</source>
        <translation>Deno: το χρειάζονται ορισμένοι ιστότοποι, ανάμεσά τους και το YouTube.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>Descartar</source>
        <translation>Απόρριψη</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Desfaz o que --register-browsers fez nos navegadores, e sai.</source>
        <translation>Αναιρεί ό,τι έκανε το --register-browsers στα προγράμματα περιήγησης, και τερματίζει.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Desligado</source>
        <translation>Ανενεργό</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Destaque</source>
        <translation>Κορυφαία στιγμή</translation>
    </message>
    <message>
        <source>Diminuir</source>
        <translation type="vanished">Μείωση</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SecondsRow.qml"/>
        <location filename="../../ui/qml/settings/StepperRow.qml"/>
        <source>Diminuir %@ (agora %@)</source>
        <translation>Μείωση %@ (τώρα %@)</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Dividindo em capítulos</source>
        <translation>Διαχωρισμός σε κεφάλαια</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Dividir em capítulos não funciona junto com um trecho de tempo: escolha um dos dois.</source>
        <translation>Ο διαχωρισμός σε κεφάλαια δεν λειτουργεί μαζί με χρονικό τμήμα: επιλέξτε ένα από τα δύο.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Dividir por capítulos</source>
        <translation>Διαχωρισμός ανά κεφάλαια</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SettingsPage.qml"/>
        <source>Do seu jeito,</source>
        <translation>Με τον τρόπο σας,</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Downloads</source>
        <translation>Λήψεις</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Downloads ao mesmo tempo</source>
        <translation>Ταυτόχρονες λήψεις</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Downloads só começam entre estes horários, tanto os das fontes seguidas quanto os links. O que já está baixando não é interrompido.</source>
        <translation>Οι λήψεις ξεκινούν μόνο μεταξύ αυτών των ωρών, τόσο από παρακολουθούμενες πηγές όσο και από συνδέσμους. Ό,τι βρίσκεται ήδη σε λήψη δεν διακόπτεται.</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Dê um nome à nova pasta.</source>
        <translation>Δώστε ένα όνομα στον νέο φάκελο.</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Ele falhou onde o %@ funcionou; os downloads seguem com esse até sair uma versão mais nova.</source>
        <translation>Απέτυχε εκεί που το %@ λειτούργησε· οι λήψεις χρησιμοποιούν εκείνο μέχρι να κυκλοφορήσει νεότερη έκδοση.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Em dia</source>
        <translation>Ενημερωμένο</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Embutindo a miniatura</source>
        <translation>Ενσωμάτωση της μικρογραφίας</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Embutindo as legendas</source>
        <translation>Ενσωμάτωση των υποτίτλων</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Embutir legendas</source>
        <translation>Ενσωμάτωση υποτίτλων</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Embutir miniatura como capa</source>
        <translation>Ενσωμάτωση μικρογραφίας ως εξώφυλλο</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Encerramento</source>
        <translation>Επίλογος</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Endereços vireloom: ou links para baixar; com o Vireloom já aberto, vão para a janela dele.</source>
        <translation>Διευθύνσεις vireloom: ή σύνδεσμοι για λήψη· όταν το Vireloom εκτελείται ήδη, πηγαίνουν στο παράθυρό του.</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Enrolação</source>
        <translation>Παραγέμισμα</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escolha ao menos um item da playlist.</source>
        <translation>Επιλέξτε τουλάχιστον ένα στοιχείο της λίστας αναπαραγωγής.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escolha ao menos uma categoria.</source>
        <translation>Επιλέξτε τουλάχιστον μία κατηγορία.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escolha o formato outra vez na lista.</source>
        <translation>Επιλέξτε ξανά τη μορφή από τη λίστα.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <source>Escolha um vídeo e um áudio para juntar, ou um formato que já tem os dois.</source>
        <translation>Επιλέξτε ένα βίντεο και έναν ήχο για συνένωση ή μια μορφή που έχει ήδη και τα δύο.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Escolher</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Escolher a pasta desta fonte</source>
        <translation>Επιλογή φακέλου για αυτή την πηγή</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Escolher a pasta dos downloads</source>
        <translation>Επιλογή φακέλου λήψεων</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Escolher itens</source>
        <translation>Επιλογή στοιχείων</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Escolher navegador</source>
        <translation>Επιλογή προγράμματος περιήγησης</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Escolher o arquivo de cookies</source>
        <translation>Επιλογή αρχείου cookies</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Escolher…</source>
        <translation>Επιλογή…</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escreva um campo com %( e )s em volta do nome, como em %(title)s. Nomes que você pode usar: title, uploader, upload_date, id, height, playlist_index, playlist_title, ext.</source>
        <translation>Γράψτε ένα πεδίο με το όνομά του ανάμεσα σε %( και )s, όπως στο %(title)s. Ονόματα που μπορείτε να χρησιμοποιήσετε: title, uploader, upload_date, id, height, playlist_index, playlist_title, ext.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Escritas</source>
        <translation>Κανονικοί</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Esquecer o login de %@</source>
        <translation>Διαγραφή της σύνδεσης για %@</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Essa qualidade não existe para este vídeo — tente “Melhor qualidade”.</source>
        <translation>Αυτή η ποιότητα δεν είναι διαθέσιμη για αυτό το βίντεο — δοκιμάστε «Καλύτερη ποιότητα».</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Esta pasta está vazia.</source>
        <translation>Αυτός ο φάκελος είναι κενός.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Este link leva para a sua rede local, e links vindos de fora não podem chegar a ela. Se você confia nele, cole o link na janela.</source>
        <translation>Αυτός ο σύνδεσμος οδηγεί στο τοπικό σας δίκτυο και οι σύνδεσμοι από έξω δεν μπορούν να φτάσουν εκεί. Αν τον εμπιστεύεστε, επικολλήστε τον σύνδεσμο στο παράθυρο.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Este link não pode ser seguido: use o endereço (http ou https) de um canal, uma playlist ou um feed.</source>
        <translation>Αυτός ο σύνδεσμος δεν μπορεί να παρακολουθηθεί: χρησιμοποιήστε τη διεύθυνση (http ή https) ενός καναλιού, μιας λίστας αναπαραγωγής ή μιας ροής.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Este link não é suportado (não achei vídeo nele).</source>
        <translation>Αυτός ο σύνδεσμος δεν υποστηρίζεται (δεν βρέθηκε βίντεο).</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Este link não é uma playlist.</source>
        <translation>Αυτός ο σύνδεσμος δεν είναι λίστα αναπαραγωγής.</translation>
    </message>
    <message>
        <location filename="../../host/main.cpp"/>
        <source>Este programa é iniciado pelo navegador para a extensão do Vireloom; não é para ser aberto à mão.</source>
        <translation>Αυτό το πρόγραμμα το ξεκινά το πρόγραμμα περιήγησης για την επέκταση του Vireloom· δεν προορίζεται να ανοίγεται με το χέρι.</translation>
    </message>
    <message>
        <source>Este yt-dlp tem mais de %d dias e não consegui ver se há outro.</source>
        <translation type="vanished">Αυτό το yt-dlp είναι πάνω από %d ημερών και δεν ήταν δυνατό να ελεγχθεί αν υπάρχει νεότερο.</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Este yt-dlp tem mais de %d dias; não foi possível verificar se há uma versão mais nova.</source>
        <translation>Αυτό το yt-dlp είναι πάνω από %d ημερών· δεν ήταν δυνατό να ελεγχθεί αν υπάρχει νεότερη έκδοση.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Estes sites usam logo de início o login de navegador que resolveu um download deles.</source>
        <translation>Αυτοί οι ιστότοποι χρησιμοποιούν αμέσως τη σύνδεση του προγράμματος περιήγησης που πέτυχε μια λήψη τους.</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>Estável</source>
        <translation>Σταθερή</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Extensão do navegador</source>
        <translation>Επέκταση προγράμματος περιήγησης</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Faixa de áudio</source>
        <translation>Κομμάτι ήχου</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Falha ao descompactar %@: %@</source>
        <translation>Αποτυχία αποσυμπίεσης του %@: %@</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Falhou: %@</source>
        <translation>Απέτυχε: %@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Falta instalar o motor de download</source>
        <translation>Η μηχανή λήψης δεν είναι εγκατεστημένη</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Falta o Deno</source>
        <translation>Λείπει το Deno</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Falta o ffmpeg</source>
        <translation>Λείπει το ffmpeg</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Falta o ffmpeg para juntar ou converter o arquivo. Instale o que falta em Ajustes ▸ Motor.</source>
        <translation>Το ffmpeg χρειάζεται για τη συνένωση ή τη μετατροπή αυτού του αρχείου και λείπει. Εγκαταστήστε όσα λείπουν στις Ρυθμίσεις ▸ Μηχανή.</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Faltam componentes do motor</source>
        <translation>Λείπουν στοιχεία της μηχανής</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/LogSheet.qml"/>
        <location filename="../../ui/qml/shell/NoticeBar.qml"/>
        <source>Fechar</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Fila</source>
        <translation>Ουρά</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Fim da janela</source>
        <translation>Τέλος παραθύρου</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Finalizando</source>
        <translation>Ολοκλήρωση</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Finalizando — juntando áudio e vídeo…</source>
        <translation>Ολοκλήρωση — συνένωση ήχου και βίντεο…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Formato</source>
        <translation>Μορφή</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <source>Formatos</source>
        <translation>Μορφές</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Frequência</source>
        <translation>Συχνότητα</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Geral</source>
        <translation>Γενικά</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Gravando os metadados</source>
        <translation>Εγγραφή των μεταδεδομένων</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Gravar título e autor nos metadados</source>
        <translation>Εγγραφή τίτλου και δημιουργού στα μεταδεδομένα</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>HTTP %ld ao baixar %@</source>
        <translation>HTTP %ld κατά τη λήψη του %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Histórico</source>
        <translation>Ιστορικό</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Horas como 01:00. Se o fim vem antes do início, a janela passa da meia-noite.</source>
        <translation>Ώρες όπως 01:00. Αν το τέλος είναι πριν από την αρχή, το παράθυρο περνά τα μεσάνυχτα.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Horários</source>
        <translation>Ωράριο</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/shell.cpp"/>
        <source>Há %ld download em andamento|Há %ld downloads em andamento</source>
        <translation>
            <numerusform>%ld λήψη σε εξέλιξη</numerusform>
            <numerusform>%ld λήψεις σε εξέλιξη</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Há um %@ mais novo</source>
        <translation>Κυκλοφόρησε νεότερο %@</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Há um %@ mais novo: %@ (este é %@).</source>
        <translation>Κυκλοφόρησε νεότερο %@: %@ (αυτό είναι το %@).</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Há um yt-dlp mais novo</source>
        <translation>Κυκλοφόρησε νεότερο yt-dlp</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Há um yt-dlp mais novo: %@ (este é %@).</source>
        <translation>Κυκλοφόρησε νεότερο yt-dlp: %@ (αυτό είναι το %@).</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Há versões novas do ffmpeg e do Deno</source>
        <translation>Κυκλοφόρησαν νέες εκδόσεις του ffmpeg και του Deno</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Idioma do áudio</source>
        <translation>Γλώσσα ήχου</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Idiomas das legendas</source>
        <translation>Γλώσσες υποτίτλων</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/ClipboardBanner.qml"/>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Ignorar</source>
        <translation>Παράβλεψη</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Importar</source>
        <translation>Εισαγωγή</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Importar links de um arquivo</source>
        <translation>Εισαγωγή συνδέσμων από αρχείο</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Importar links…</source>
        <translation>Εισαγωγή συνδέσμων…</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Indisponível</source>
        <translation>Μη διαθέσιμο</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Inicia sem janela, na bandeja; os downloads e as fontes seguidas continuam.</source>
        <translation>Ξεκινά χωρίς παράθυρο, στην περιοχή ειδοποιήσεων· οι λήψεις και οι παρακολουθούμενες πηγές συνεχίζονται.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Iniciar agora</source>
        <translation>Έναρξη τώρα</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Iniciar o Vireloom ao entrar na sessão, na bandeja</source>
        <translation>Εκκίνηση του Vireloom κατά την είσοδο, στην περιοχή ειδοποιήσεων</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Instala o que falta do motor e atualiza o yt-dlp, sem abrir a janela.</source>
        <translation>Εγκαθιστά όσα λείπουν από τη μηχανή και ενημερώνει το yt-dlp, χωρίς να ανοίξει το παράθυρο.</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Instalar Deno</source>
        <translation>Εγκατάσταση Deno</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Instalar agora</source>
        <translation>Εγκατάσταση τώρα</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Instalar o que falta</source>
        <translation>Εγκατάσταση όσων λείπουν</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Integração</source>
        <translation>Ενοποίηση</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Início da janela</source>
        <translation>Αρχή παραθύρου</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Item %ld</source>
        <translation>Στοιχείο %ld</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Item %ld: %@</source>
        <translation>Στοιχείο %ld: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Itens da playlist</source>
        <translation>Στοιχεία λίστας αναπαραγωγής</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Janela de downloads</source>
        <translation>Χρονικό παράθυρο λήψεων</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Juntando as partes</source>
        <translation>Συνένωση των τμημάτων</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Juntando vídeo e áudio</source>
        <translation>Συνένωση βίντεο και ήχου</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Já baixado, consta no arquivo</source>
        <translation>Έχει ήδη ληφθεί, υπάρχει στο αρχείο λήψεων</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Já está na sua pasta</source>
        <translation>Βρίσκεται ήδη στον φάκελό σας</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Já existe “%@” nesta pasta.</source>
        <translation>Το «%@» υπάρχει ήδη σε αυτόν τον φάκελο.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Lançadores e Terminal</source>
        <translation>Εκκινητές και τερματικό</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Legendas</source>
        <translation>Υπότιτλοι</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Lendo a lista…</source>
        <translation>Ανάγνωση της λίστας…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Lendo as faixas e os formatos do link…</source>
        <translation>Ανάγνωση των κομματιών και των μορφών του συνδέσμου…</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Lendo informações…</source>
        <translation>Ανάγνωση πληροφοριών…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Limite de velocidade</source>
        <translation>Όριο ταχύτητας</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Limpar</source>
        <translation>Απαλοιφή</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Limpar concluídos</source>
        <translation>Απαλοιφή ολοκληρωμένων</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Limpar histórico</source>
        <translation>Απαλοιφή ιστορικού</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Limpar o histórico?</source>
        <translation>Απαλοιφή του ιστορικού;</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/ClipboardBanner.qml"/>
        <source>Link copiado</source>
        <translation>Αντιγραμμένος σύνδεσμος</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Link de um canal, playlist ou feed</source>
        <translation>Σύνδεσμος καναλιού, λίστας αναπαραγωγής ή ροής</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Links da rede local vindos de outros programas</source>
        <translation>Σύνδεσμοι τοπικού δικτύου από άλλα προγράμματα</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Links vindos de fora só passam por um proxy http ou socks5. Mude o proxy em Ajustes ▸ Conexão ou cole o link na janela.</source>
        <translation>Οι σύνδεσμοι από έξω μπορούν να περάσουν μόνο από διακομιστή μεσολάβησης http ή socks5. Αλλάξτε τον στις Ρυθμίσεις ▸ Δίκτυο ή επικολλήστε τον σύνδεσμο στο παράθυρο.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/LogSheet.qml"/>
        <source>Log do download</source>
        <translation>Καταγραφή λήψης</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Logins lembrados</source>
        <translation>Αποθηκευμένες συνδέσεις</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>MENU</source>
        <translation>ΜΕΝΟΥ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Mais formatos…</source>
        <translation>Περισσότερες μορφές…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Manter os dois</source>
        <translation>Διατήρηση και των δύο</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Marcar</source>
        <translation>Σήμανση</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Melhor</source>
        <translation>Καλύτερη</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Melhor qualidade</source>
        <translation>Καλύτερη ποιότητα</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Menu principal</source>
        <translation>Κύριο μενού</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra a versão e sai.</source>
        <translation>Εμφανίζει την έκδοση και τερματίζει.</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra as fontes seguidas, uma por linha, e sai.</source>
        <translation>Εμφανίζει τις παρακολουθούμενες πηγές, μία ανά γραμμή, και τερματίζει.</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra esta ajuda e sai.</source>
        <translation>Εμφανίζει αυτή τη βοήθεια και τερματίζει.</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra os programas do motor, suas versões e se há atualização.</source>
        <translation>Εμφανίζει τα προγράμματα της μηχανής, τις εκδόσεις τους και αν υπάρχει γνωστή ενημέρωση.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Mostrar log</source>
        <translation>Εμφάνιση καταγραφής</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Mostrar na pasta</source>
        <translation>Εμφάνιση στον φάκελο</translation>
    </message>
    <message>
        <location filename="../../app/trayicon.cpp"/>
        <source>Mostrar o Vireloom</source>
        <translation>Εμφάνιση του Vireloom</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Mostrar pasta do motor</source>
        <translation>Εμφάνιση φακέλου μηχανής</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Motor</source>
        <translation>Μηχανή</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Motor incompleto</source>
        <translation>Η μηχανή είναι ελλιπής</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <location filename="../../engine/playlistlisting.cpp"/>
        <source>Motor não instalado</source>
        <translation>Η μηχανή δεν είναι εγκατεστημένη</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <location filename="../../ui/followingview.cpp"/>
        <source>Motor não instalado — clique em Instalar agora.</source>
        <translation>Η μηχανή δεν είναι εγκατεστημένη — πατήστε «Εγκατάσταση τώρα».</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Motor pronto · yt-dlp %@</source>
        <translation>Η μηχανή είναι έτοιμη · yt-dlp %@</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Motor pronto ✓</source>
        <translation>Η μηχανή είναι έτοιμη ✓</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Movendo para a pasta</source>
        <translation>Μετακίνηση στον φάκελο</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Música: trecho sem música</source>
        <translation>Μουσική: τμήμα χωρίς μουσική</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Na fila</source>
        <translation>Σε αναμονή</translation>
    </message>
    <message>
        <location filename="../../ui/historyview.cpp"/>
        <source>Nada encontrado.</source>
        <translation>Δεν βρέθηκε τίποτα.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Nada para seguir em %@: não é um canal, uma playlist nem um feed, ou já não existe.</source>
        <translation>Δεν υπάρχει κάτι για παρακολούθηση στο %@: δεν είναι κανάλι, λίστα αναπαραγωγής ή ροή, ή δεν υπάρχει πια.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Nada é apagado: o que já foi baixado continua na pasta. Só não chega mais nada desta fonte.</source>
        <translation>Δεν διαγράφεται τίποτα: ό,τι έχει ληφθεί παραμένει στον φάκελό του. Απλώς δεν θα έρχεται τίποτα άλλο από αυτή την πηγή.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Navegadores</source>
        <translation>Προγράμματα περιήγησης</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Nenhum</source>
        <translation>Κανένα</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Nenhum aplicativo pôde abrir o arquivo.</source>
        <translation>Καμία εφαρμογή δεν μπόρεσε να ανοίξει το αρχείο.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/EmptyCard.qml"/>
        <source>Nenhum download por enquanto</source>
        <translation>Καμία λήψη ακόμη</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Nenhum gerenciador de arquivos pôde abrir %@.</source>
        <translation>Κανένας διαχειριστής αρχείων δεν μπόρεσε να ανοίξει το %@.</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Nenhum navegador compatível foi encontrado.</source>
        <translation>Δεν βρέθηκε κανένα υποστηριζόμενο πρόγραμμα περιήγησης.</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <source>Nenhum navegador estava configurado pelo Vireloom.</source>
        <translation>Κανένα πρόγραμμα περιήγησης δεν είχε ρυθμιστεί από το Vireloom.</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Nenhum navegador pôde abrir o link.</source>
        <translation>Κανένα πρόγραμμα περιήγησης δεν μπόρεσε να ανοίξει τον σύνδεσμο.</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Nenhum yt-dlp foi deixado de lado.</source>
        <translation>Κανένα yt-dlp δεν έχει παραμεριστεί.</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>Nightly (de toda noite)</source>
        <translation>Νυχτερινή (κάθε νύχτα)</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Nome da nova pasta</source>
        <translation>Όνομα του νέου φακέλου</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Nome do arquivo</source>
        <translation>Όνομα αρχείου</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Nova pasta</source>
        <translation>Νέος φάκελος</translation>
    </message>
    <message>
        <location filename="../../host/browserhost.cpp"/>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>Não consegui abrir o Vireloom.</source>
        <translation>Δεν ήταν δυνατό να ανοίξει το Vireloom.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Não consegui conectar ao site. Verifique sua conexão com a internet e tente de novo.</source>
        <translation>Δεν ήταν δυνατή η σύνδεση με τον ιστότοπο. Ελέγξτε τη σύνδεσή σας στο διαδίκτυο και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não consegui entregar o pedido ao Vireloom aberto nem gravá-lo com segurança: nada foi seguido.</source>
        <translation>Δεν ήταν δυνατή ούτε η παράδοση του αιτήματος στο Vireloom που εκτελείται ούτε η ασφαλής αποθήκευσή του: δεν ξεκίνησε καμία παρακολούθηση.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Não consegui falar com o site: tentando de novo mais tarde</source>
        <translation>Δεν ήταν δυνατή η επικοινωνία με τον ιστότοπο: νέα προσπάθεια αργότερα</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não consegui gravar %@.</source>
        <translation>Δεν ήταν δυνατή η εγγραφή του %@.</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>Não consegui iniciar o yt-dlp: %@</source>
        <translation>Δεν ήταν δυνατή η εκκίνηση του yt-dlp: %@</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não consegui ler %@.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση του %@.</translation>
    </message>
    <message>
        <location filename="../../platform/autostart.cpp"/>
        <source>Não consegui mudar a inicialização com a sessão: %@</source>
        <translation>Δεν ήταν δυνατή η αλλαγή της εκκίνησης κατά την είσοδο: %@</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Não consegui mudar:</source>
        <translation>Δεν ήταν δυνατή η αλλαγή:</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Não consegui verificar %@: %@</source>
        <translation>Δεν ήταν δυνατή η επαλήθευση του %@: %@</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Não consigo gravar na pasta de download. Escolha outra pasta em Ajustes ▸ Geral.</source>
        <translation>Δεν είναι δυνατή η εγγραφή στον φάκελο λήψεων. Επιλέξτε άλλον φάκελο στις Ρυθμίσεις ▸ Γενικά.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Não encontrada: o link sumiu, é privado ou não é uma lista</source>
        <translation>Δεν βρέθηκε: ο σύνδεσμος χάθηκε, είναι ιδιωτικός ή δεν είναι λίστα</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Não foi possível criar “%@” nesta pasta.</source>
        <translation>Δεν ήταν δυνατή η δημιουργία του «%@» σε αυτόν τον φάκελο.</translation>
    </message>
    <message>
        <location filename="../../intake/linkfile.cpp"/>
        <source>Não foi possível ler %@.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση του %@.</translation>
    </message>
    <message>
        <location filename="../../engine/playlistlisting.cpp"/>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Não foi possível ler a lista.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση της λίστας.</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Não havia link no que você soltou.</source>
        <translation>Δεν υπήρχε σύνδεσμος σε ό,τι αφήσατε.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Não há espaço livre no disco. Libere espaço ou escolha outra pasta em Ajustes ▸ Geral.</source>
        <translation>Ο δίσκος είναι γεμάτος. Ελευθερώστε χώρο ή επιλέξτε άλλον φάκελο στις Ρυθμίσεις ▸ Γενικά.</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Não há link na área de transferência.</source>
        <translation>Δεν υπάρχει σύνδεσμος στο πρόχειρο.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/DropFrame.qml"/>
        <source>Não há link neste texto</source>
        <translation>Δεν υπάρχει σύνδεσμος σε αυτό το κείμενο</translation>
    </message>
    <message>
        <location filename="../../root/downloader.cpp"/>
        <source>Não há links em %@.</source>
        <translation>Δεν υπάρχουν σύνδεσμοι στο %@.</translation>
    </message>
    <message>
        <location filename="../../ui/inputcardmodel.cpp"/>
        <source>Não há um link neste texto. Cole um endereço que comece com http:// ou https://.</source>
        <translation>Δεν υπάρχει σύνδεσμος σε αυτό το κείμενο. Επικολλήστε μια διεύθυνση που αρχίζει με http:// ή https://.</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Não há versão anterior do yt-dlp.</source>
        <translation>Δεν υπάρχει προηγούμενο yt-dlp.</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Não se sabe se há um yt-dlp mais novo.</source>
        <translation>Δεν είναι γνωστό αν υπάρχει νεότερο yt-dlp.</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>Não usar</source>
        <translation>Να μη χρησιμοποιείται</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Não usar o arquivo</source>
        <translation>Να μη χρησιμοποιείται αρχείο</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não é um link que se possa seguir: %@</source>
        <translation>Δεν είναι σύνδεσμος που μπορεί να παρακολουθηθεί: %@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>O Deno %@ precisa ser atualizado: as versões novas do yt-dlp exigem o Deno %d.%d ou mais novo para alguns sites.</source>
        <translation>Το Deno %@ χρειάζεται ενημέρωση: οι νεότερες εκδόσεις του yt-dlp απαιτούν Deno %d.%d ή νεότερο για ορισμένους ιστότοπους.</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>O Deno precisa ser atualizado</source>
        <translation>Το Deno χρειάζεται ενημέρωση</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>O Vireloom aberto verifica agora todas as fontes seguidas.</source>
        <translation>Το Vireloom που εκτελείται ελέγχει τώρα όλες τις παρακολουθούμενες πηγές.</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O Vireloom baixa um link http ou https por vez, e este não é um.</source>
        <translation>Το Vireloom κάνει λήψη ενός συνδέσμου http ή https κάθε φορά, και αυτός δεν είναι τέτοιος.</translation>
    </message>
    <message>
        <location filename="../../app/main.cpp"/>
        <source>O Vireloom continua baixando em segundo plano. Abra o Vireloom de novo para ver a janela.</source>
        <translation>Το Vireloom συνεχίζει τις λήψεις στο παρασκήνιο. Ανοίξτε ξανά το Vireloom για να δείτε το παράθυρό του.</translation>
    </message>
    <message>
        <location filename="../../host/browserhost.cpp"/>
        <source>O Vireloom está aberto, mas não respondeu. Tente de novo em um instante.</source>
        <translation>Το Vireloom είναι ανοιχτό, αλλά δεν απάντησε. Δοκιμάστε ξανά σε λίγο.</translation>
    </message>
    <message>
        <location filename="../../host/browserhost.cpp"/>
        <source>O Vireloom não abriu a tempo. Tente de novo.</source>
        <translation>Το Vireloom δεν άνοιξε εγκαίρως. Δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O Vireloom não conhece este pedido do navegador. Atualize o Vireloom ou a extensão.</source>
        <translation>Το Vireloom δεν γνωρίζει αυτό το αίτημα του προγράμματος περιήγησης. Ενημερώστε το Vireloom ή την επέκταση.</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O Vireloom não entendeu a mensagem do navegador.</source>
        <translation>Το Vireloom δεν μπόρεσε να διαβάσει το μήνυμα του προγράμματος περιήγησης.</translation>
    </message>
    <message>
        <location filename="../../app/main.cpp"/>
        <source>O Vireloom não está aberto: não há o que verificar.</source>
        <translation>Το Vireloom δεν εκτελείται: δεν υπάρχει τίποτα για έλεγχο.</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O arquivo de cookies não existe ou não pode ser lido.</source>
        <translation>Το αρχείο cookies δεν υπάρχει ή δεν μπορεί να διαβαστεί.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O arquivo de cookies “%@” não pôde ser lido. Escolha outro em Ajustes ▸ Conexão.</source>
        <translation>Το αρχείο cookies «%@» δεν ήταν δυνατό να διαβαστεί. Επιλέξτε άλλο στις Ρυθμίσεις ▸ Δίκτυο.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O download falhou.</source>
        <translation>Η λήψη απέτυχε.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O download falhou. Última mensagem do yt-dlp: %@</source>
        <translation>Η λήψη απέτυχε. Τελευταίο μήνυμα του yt-dlp: %@</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O início precisa vir antes do fim.</source>
        <translation>Η αρχή πρέπει να είναι πριν από το τέλος.</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O login que o navegador mandou não pôde ser lido; nada foi baixado.</source>
        <translation>Η σύνδεση που έστειλε το πρόγραμμα περιήγησης δεν ήταν δυνατό να διαβαστεί· δεν έγινε καμία λήψη.</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O navegador mandou uma mensagem grande demais para o Vireloom.</source>
        <translation>Το πρόγραμμα περιήγησης έστειλε στο Vireloom ένα μήνυμα που είναι πολύ μεγάλο.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O nome não pode ficar vazio.</source>
        <translation>Το όνομα δεν μπορεί να είναι κενό.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O nome precisa ficar dentro da pasta de downloads.</source>
        <translation>Το όνομα πρέπει να παραμένει μέσα στον φάκελο λήψεων.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O nome precisa terminar em .%(ext)s.</source>
        <translation>Το όνομα πρέπει να τελειώνει σε .%(ext)s.</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo %@ não respondeu com uma versão e foi removido.</source>
        <translation>Το νέο %@ δεν απάντησε με έκδοση και αφαιρέθηκε.</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo %@ não respondeu com uma versão; o anterior foi reposto.</source>
        <translation>Το νέο %@ δεν απάντησε με έκδοση· το προηγούμενο επανήλθε.</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo yt-dlp não respondeu com uma versão e foi removido.</source>
        <translation>Το νέο yt-dlp δεν απάντησε με έκδοση και αφαιρέθηκε.</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo yt-dlp não respondeu com uma versão; o anterior foi reposto.</source>
        <translation>Το νέο yt-dlp δεν απάντησε με έκδοση· το προηγούμενο επανήλθε.</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>O programa que recebe os links do navegador (vireloom-browser-host) não foi encontrado junto do Vireloom.</source>
        <translation>Το πρόγραμμα που παίρνει τους συνδέσμους από το πρόγραμμα περιήγησης (vireloom-browser-host) δεν βρέθηκε δίπλα στο Vireloom.</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>O proxy definido em Ajustes não respondeu.</source>
        <translation>Ο διακομιστής μεσολάβησης των ρυθμίσεων δεν απάντησε.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>O que é novo</source>
        <translation>Ό,τι νέο</translation>
    </message>
    <message>
        <source>O seu yt-dlp, %@, tem %d dias e não consegui ver se há outro.</source>
        <translation type="vanished">Το yt-dlp σας, %@, είναι %d ημερών και δεν ήταν δυνατό να ελεγχθεί αν υπάρχει νεότερο.</translation>
    </message>
    <message>
        <location filename="../../platform/autostart.cpp"/>
        <source>O sistema não consegue iniciar um programa neste caminho: %@</source>
        <translation>Η επιφάνεια εργασίας δεν μπορεί να εκκινήσει πρόγραμμα σε αυτή τη διαδρομή: %@</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>O site de versões (%@) não respondeu a tempo.</source>
        <translation>Ο ιστότοπος εκδόσεων (%@) δεν απάντησε εγκαίρως.</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>O site de versões (%@) recusou a conexão.</source>
        <translation>Ο ιστότοπος εκδόσεων (%@) αρνήθηκε τη σύνδεση.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site demorou demais para responder. Tente de novo em alguns minutos.</source>
        <translation>Ο ιστότοπος άργησε πολύ να απαντήσει. Δοκιμάστε ξανά σε λίγα λεπτά.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site está com problemas no momento (erro do servidor). Tente de novo mais tarde.</source>
        <translation>Ο ιστότοπος αντιμετωπίζει πρόβλημα αυτή τη στιγμή (σφάλμα διακομιστή). Δοκιμάστε ξανά αργότερα.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site limitou as requisições (429). Espere alguns minutos ou use o login do navegador.</source>
        <translation>Ο ιστότοπος περιορίζει τα αιτήματα (429). Περιμένετε λίγα λεπτά ή χρησιμοποιήστε τη σύνδεση από το πρόγραμμα περιήγησης.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site mudou e este yt-dlp não o entende mais. Atualize o yt-dlp em Ajustes ▸ Motor.</source>
        <translation>Ο ιστότοπος άλλαξε και αυτό το yt-dlp δεν τον καταλαβαίνει πια. Ενημερώστε το yt-dlp στις Ρυθμίσεις ▸ Μηχανή.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site negou o acesso a este endereço (403). Talvez ele exija login ou não esteja disponível para você.</source>
        <translation>Ο ιστότοπος αρνήθηκε την πρόσβαση σε αυτή τη διεύθυνση (403). Ίσως απαιτεί σύνδεση ή δεν είναι διαθέσιμη για εσάς.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site não tem esta página ou este arquivo (não existe ou foi removido). Confira o link.</source>
        <translation>Ο ιστότοπος δεν έχει αυτή τη σελίδα ή αυτό το αρχείο (δεν υπάρχει ή αφαιρέθηκε). Ελέγξτε τον σύνδεσμο.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site pediu login/verificação. Em Ajustes ▸ Formato, escolha um navegador em “Usar login do navegador”.</source>
        <translation>Ο ιστότοπος ζήτησε σύνδεση/επαλήθευση. Στις Ρυθμίσεις ▸ Μορφή, επιλέξτε πρόγραμμα περιήγησης στο «Χρήση σύνδεσης από το πρόγραμμα περιήγησης».</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>O site pediu uma pausa: tentando de novo mais tarde</source>
        <translation>Ο ιστότοπος ζήτησε παύση: νέα προσπάθεια αργότερα</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>O site pediu uma pausa: verificando a cada %ld h</source>
        <translation>Ο ιστότοπος ζήτησε παύση: έλεγχος κάθε %ld ώρ.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site recusou a conexão. Ele pode estar fora do ar; tente de novo mais tarde.</source>
        <translation>Ο ιστότοπος αρνήθηκε τη σύνδεση. Ίσως είναι εκτός λειτουργίας· δοκιμάστε ξανά αργότερα.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>O título do vídeo (padrão)</source>
        <translation>Ο τίτλος του βίντεο (προεπιλογή)</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>O yt-dlp está na versão mais recente.</source>
        <translation>Το yt-dlp είναι στην πιο πρόσφατη έκδοση.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O yt-dlp leria este caminho de outro jeito (troca “$nome” por variáveis e corta espaços nas pontas): escolha outra pasta.</source>
        <translation>Το yt-dlp θα διάβαζε αυτή τη διαδρομή διαφορετικά (αντικαθιστά το «$όνομα» με μεταβλητές και αφαιρεί κενά από τις άκρες): επιλέξτε άλλον φάκελο.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>O yt-dlp não conseguiu listar esta fonte</source>
        <translation>Το yt-dlp δεν μπόρεσε να διαβάσει τη λίστα αυτής της πηγής</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>O yt-dlp pode estar desatualizado</source>
        <translation>Το yt-dlp μπορεί να είναι παλιό</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O yt-dlp precisa do Deno para este site. Instale o Deno em Ajustes ▸ Motor.</source>
        <translation>Το yt-dlp χρειάζεται το Deno για αυτόν τον ιστότοπο. Εγκαταστήστε το Deno στις Ρυθμίσεις ▸ Μηχανή.</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O yt-dlp publicado (%@) é mais antigo que o instalado (%@); nada foi trocado.</source>
        <translation>Το δημοσιευμένο yt-dlp (%@) είναι παλαιότερο από το εγκατεστημένο (%@)· δεν αντικαταστάθηκε τίποτα.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Opção desconhecida: %@</source>
        <translation>Άγνωστη επιλογή: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Opções</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Opções do download</source>
        <translation>Επιλογές λήψης</translation>
    </message>
    <message>
        <location filename="../../ui/historyview.cpp"/>
        <source>Os downloads concluídos aparecem aqui.</source>
        <translation>Οι ολοκληρωμένες λήψεις εμφανίζονται εδώ.</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Os pacotes da extensão não estão junto deste Vireloom.</source>
        <translation>Τα πακέτα της επέκτασης δεν είναι εγκατεστημένα με αυτό το Vireloom.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Os sites mudam com frequência. Se algo que funcionava começar a falhar, atualize o yt-dlp.</source>
        <translation>Οι ιστότοποι αλλάζουν συχνά. Αν κάτι που λειτουργούσε αρχίσει να αποτυγχάνει, ενημερώστε το yt-dlp.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <source>Outro programa pediu um link da sua rede local (%@). Baixar mesmo assim?</source>
        <translation>Ένα άλλο πρόγραμμα ζήτησε σύνδεσμο στο τοπικό σας δίκτυο (%@). Να γίνει λήψη παρ’ όλα αυτά;</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Para links enviados por outros programas, pela área de transferência ou pelo menu. O campo de link guarda a própria escolha.</source>
        <translation>Για συνδέσμους που στέλνουν άλλα προγράμματα, από το πρόχειρο ή από το μενού. Το πεδίο συνδέσμου διατηρεί τη δική του επιλογή.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Para quando o login do navegador falha: um cookies.txt exportado.</source>
        <translation>Για όταν η σύνδεση από το πρόγραμμα περιήγησης αποτυγχάνει: ένα εξαγόμενο cookies.txt.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Para vídeos que exigem conta (Instagram, privados).</source>
        <translation>Για βίντεο που απαιτούν λογαριασμό (Instagram, ιδιωτικά).</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Pasta de cima</source>
        <translation>Γονικός φάκελος</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Patrocínio</source>
        <translation>Χορηγία</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Pausa entre itens da playlist</source>
        <translation>Παύση μεταξύ στοιχείων λίστας αναπαραγωγής</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Pausa entre pedidos</source>
        <translation>Παύση μεταξύ αιτημάτων</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Pausada</source>
        <translation>Σε παύση</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Pausar</source>
        <translation>Παύση</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Pedaços baixados ao mesmo tempo quando o vídeo vem em partes, como na maioria dos sites.</source>
        <translation>Τμήματα που λαμβάνονται ταυτόχρονα όταν το βίντεο έρχεται σε κομμάτια, όπως στους περισσότερους ιστότοπους.</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Pedido de interação</source>
        <translation>Υπενθύμιση αλληλεπίδρασης</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Pela qualidade escolhida</source>
        <translation>Σύμφωνα με την επιλεγμένη ποιότητα</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Playlist</source>
        <translation>Λίστα αναπαραγωγής</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Playlist inteira</source>
        <translation>Ολόκληρη η λίστα αναπαραγωγής</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Playlist · %ld</source>
        <translation>Λίστα αναπαραγωγής · %ld</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Playlist · %ld de %ld</source>
        <translation>Λίστα αναπαραγωγής · %ld από %ld</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Por download, como 500K ou 2M. Vazio: sem limite.</source>
        <translation>Ανά λήψη, όπως 500K ή 2M. Κενό: χωρίς όριο.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Preferir H.264</source>
        <translation>Προτίμηση H.264</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Procurar versões novas do yt-dlp</source>
        <translation>Αναζήτηση νέων εκδόσεων του yt-dlp</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Progresso</source>
        <translation>Πρόοδος</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Pronto</source>
        <translation>Έτοιμο</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Pronto: %@. Agora adicione a extensão.</source>
        <translation>Έτοιμο: %@. Τώρα προσθέστε την επέκταση.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Proxy</source>
        <translation>Διακομιστής μεσολάβησης</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Prévia</source>
        <translation>Προεπισκόπηση ή ανακεφαλαίωση</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Próxima: %@</source>
        <translation>Επόμενος: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Pular o que já foi baixado</source>
        <translation>Παράλειψη όσων έχουν ήδη ληφθεί</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/QualityMenu.qml"/>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Qualidade</source>
        <translation>Ποιότητα</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Qualidade desconhecida: %@</source>
        <translation>Άγνωστη ποιότητα: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Qualidade padrão</source>
        <translation>Προεπιλεγμένη ποιότητα</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Quando o login de um navegador resolve um download, o site passa a usá-lo logo de início.</source>
        <translation>Όταν η σύνδεση ενός προγράμματος περιήγησης πετυχαίνει μια λήψη, ο ιστότοπος τη χρησιμοποιεί αμέσως από εκεί και πέρα.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Quando você copia um link e volta para o Vireloom</source>
        <translation>Όταν αντιγράφετε έναν σύνδεσμο και επιστρέφετε στο Vireloom</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Remover</source>
        <translation>Αποκοπή</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Remover da lista</source>
        <translation>Αφαίρεση από τη λίστα</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Remover do histórico</source>
        <translation>Αφαίρεση από το ιστορικό</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <source>Removido dos navegadores:</source>
        <translation>Αφαιρέθηκε από τα προγράμματα περιήγησης:</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Retomar</source>
        <translation>Συνέχιση</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>Retomar todos</source>
        <translation>Συνέχιση όλων</translation>
    </message>
    <message>
        <location filename="../../app/trayicon.cpp"/>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Sair</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/QuitDialog.qml"/>
        <source>Sair mesmo assim</source>
        <translation>Έξοδος ούτως ή άλλως</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Salvar em</source>
        <translation>Αποθήκευση σε</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Salve vídeo ou áudio de links como arquivos</source>
        <translation>Αποθηκεύστε βίντεο ή ήχο από συνδέσμους ως αρχεία</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Se o link fizer parte de uma playlist, baixa todos os vídeos dela</source>
        <translation>Αν ο σύνδεσμος ανήκει σε λίστα αναπαραγωγής, γίνεται λήψη όλων των βίντεό της</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/shell/QuitDialog.qml"/>
        <source>Se sair agora, ele será interrompido.|Se sair agora, eles serão interrompidos.</source>
        <translation>
            <numerusform>Αν κλείσετε τώρα, θα διακοπεί.</numerusform>
            <numerusform>Αν κλείσετε τώρα, θα διακοπούν.</numerusform>
        </translation>
    </message>
    <message>
        <source>Se sair agora, eles serão interrompidos.</source>
        <translation type="vanished">Αν κλείσετε τώρα, θα διακοπούν.</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Segue um canal, playlist ou feed a partir de agora; com o Vireloom fechado, fica para a próxima vez que ele abrir.</source>
        <translation>Παρακολουθεί ένα κανάλι, μια λίστα αναπαραγωγής ή μια ροή από τώρα και στο εξής· όταν το Vireloom δεν εκτελείται, διατηρείται για την επόμενη εκκίνησή του.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Seguindo</source>
        <translation>Παρακολουθούμενα</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Seguindo: a primeira leitura já começou.</source>
        <translation>Παρακολούθηση: η πρώτη ανάγνωση ξεκίνησε.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Seguir</source>
        <translation>Παρακολούθηση</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Segundos antes de cada item.</source>
        <translation>Δευτερόλεπτα πριν από κάθε στοιχείο.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Segundos. Sites limitam quem pede rápido demais.</source>
        <translation>Δευτερόλεπτα. Οι ιστότοποι περιορίζουν όσους ζητούν πολύ γρήγορα.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Sem abrir a janela: as fontes seguidas e a fila continuam trabalhando.</source>
        <translation>Χωρίς άνοιγμα του παραθύρου: οι παρακολουθούμενες πηγές και η ουρά συνεχίζουν να λειτουργούν.</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>Sem conexão com a internet: o site de versões (%@) não pôde ser alcançado.</source>
        <translation>Δεν υπάρχει σύνδεση στο διαδίκτυο: ο ιστότοπος εκδόσεων (%@) δεν ήταν προσβάσιμος.</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Sem dados há %ld min</source>
        <translation>Χωρίς δεδομένα εδώ και %ld λεπ.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Siga canais, playlists e feeds: cada novidade entra na fila com as escolhas da fonte.</source>
        <translation>Παρακολουθήστε κανάλια, λίστες αναπαραγωγής και ροές: κάθε νέα καταχώριση μπαίνει στην ουρά με τις επιλογές της πηγής.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Site não encontrado: este endereço não existe. Confira o link.</source>
        <translation>Ο ιστότοπος δεν βρέθηκε: αυτή η διεύθυνση δεν υπάρχει. Ελέγξτε τον σύνδεσμο.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/DropFrame.qml"/>
        <source>Solte o link para baixar</source>
        <translation>Αφήστε τον σύνδεσμο για λήψη</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Substituir</source>
        <translation>Αντικατάσταση</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Substituir o arquivo que está na pasta?</source>
        <translation>Αντικατάσταση του αρχείου στον φάκελό σας;</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Sugerir links copiados</source>
        <translation>Πρόταση αντιγραμμένων συνδέσμων</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Só a lista é apagada — os arquivos baixados continuam na pasta.</source>
        <translation>Διαγράφεται μόνο η λίστα — τα αρχεία που έχουν ληφθεί παραμένουν στον φάκελο.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Só áudio</source>
        <translation>Μόνο ήχος</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Só áudio — M4A</source>
        <translation>Μόνο ήχος — M4A</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Só áudio — MP3</source>
        <translation>Μόνο ήχος — MP3</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Também os últimos %ld|Também os últimos %ld</source>
        <translation>
            <numerusform>Και το τελευταίο %ld</numerusform>
            <numerusform>Και τα τελευταία %ld</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Tentar a versão nightly</source>
        <translation>Δοκιμή της νυχτερινής έκδοσης</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar com o login de:</source>
        <translation>Δοκιμή με τη σύνδεση από:</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar de novo</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar de novo com o login de %@</source>
        <translation>Νέα δοκιμή με τη σύνδεση από %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar de novo os que falharam</source>
        <translation>Επανάληψη όσων απέτυχαν</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Tentar o %@ de novo</source>
        <translation>Δοκιμή του %@ ξανά</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Tocar som ao concluir</source>
        <translation>Ήχος στην ολοκλήρωση</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Todos</source>
        <translation>Όλα</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Todos os arquivos</source>
        <translation>Όλα τα αρχεία</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Total baixado</source>
        <translation>Σύνολο λήψεων</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Tratando os trechos patrocinados</source>
        <translation>Χειρισμός των χορηγούμενων τμημάτων</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Trecho</source>
        <translation>Τμήμα</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Tudo que já</source>
        <translation>Ό,τι έχει</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Título do vídeo</source>
        <translation>Τίτλος βίντεο</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Um código como en, de ou pt-BR. Vazio: a faixa original, senão a do idioma da interface.</source>
        <translation>Ένας κωδικός όπως en, de ή pt-BR. Κενό: το αρχικό κομμάτι, αλλιώς αυτό στη γλώσσα της διεπαφής.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <source>Um endereço vireloom: trouxe %ld link; nada foi adicionado.|Um endereço vireloom: trouxe %ld links de uma vez; só um é aceito, e nada foi adicionado.</source>
        <translation>
            <numerusform>Μια διεύθυνση vireloom: έφερε %ld σύνδεσμο· δεν προστέθηκε τίποτα.</numerusform>
            <numerusform>Μια διεύθυνση vireloom: έφερε %ld συνδέσμους ταυτόχρονα· γίνεται δεκτός μόνο ένας και δεν προστέθηκε τίποτα.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Um navegador Flatpak pode não ter permissão para abrir o Vireloom fora da sua área isolada.</source>
        <translation>Ένα πρόγραμμα περιήγησης Flatpak μπορεί να μην επιτρέπεται να ανοίξει το Vireloom έξω από το απομονωμένο περιβάλλον του.</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Um nome de pasta não pode ser “.” nem “..”, nem ter “/”.</source>
        <translation>Ένα όνομα φακέλου δεν μπορεί να είναι «.» ή «..» ούτε να περιέχει «/».</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Uma playlist baixada de novo traz só os itens novos.</source>
        <translation>Μια λίστα αναπαραγωγής που λαμβάνεται ξανά φέρνει μόνο τα νέα στοιχεία.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Uma vez por dia</source>
        <translation>Μία φορά την ημέρα</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Uma vez por dia, sem baixar nada</source>
        <translation>Μία φορά την ημέρα, χωρίς λήψη</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Uma vez por semana</source>
        <translation>Μία φορά την εβδομάδα</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Usar login do navegador</source>
        <translation>Χρήση σύνδεσης από το πρόγραμμα περιήγησης</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use códigos de idioma separados por vírgula, como en.*,pt.</source>
        <translation>Χρησιμοποιήστε κωδικούς γλωσσών χωρισμένους με κόμμα, όπως en.*,pt.</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Use tempos como 90, 1:30 ou 1:02:03.</source>
        <translation>Χρησιμοποιήστε χρόνους όπως 90, 1:30 ή 1:02:03.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use um código de idioma como en, de ou pt-BR.</source>
        <translation>Χρησιμοποιήστε έναν κωδικό γλώσσας όπως en, de ή pt-BR.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use um endereço como socks5://127.0.0.1:1080 ou http://proxy:8080.</source>
        <translation>Χρησιμοποιήστε μια διεύθυνση όπως socks5://127.0.0.1:1080 ή http://proxy:8080.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <location filename="../../ui/appsettings.cpp"/>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Use um limite como 500K ou 2M (bytes por segundo).</source>
        <translation>Χρησιμοποιήστε ένα όριο όπως 500K ή 2M (byte ανά δευτερόλεπτο).</translation>
    </message>
    <message>
        <source>Use um limite de velocidade maior que zero.</source>
        <translation type="vanished">Χρησιμοποιήστε ένα όριο ταχύτητας μεγαλύτερο από το μηδέν.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use um número de segundos entre 0 e 600.</source>
        <translation>Χρησιμοποιήστε έναν αριθμό δευτερολέπτων από 0 έως 600.</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Uso: vireloom [opções] [endereço…]</source>
        <translation>Χρήση: vireloom [επιλογές] [διεύθυνση…]</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Ver log</source>
        <translation>Προβολή καταγραφής</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Verificando só desta vez: a fonte continua pausada</source>
        <translation>Έλεγχος μόνο αυτή τη φορά: η πηγή παραμένει σε παύση</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Verificando…</source>
        <translation>Έλεγχος…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Verificar agora</source>
        <translation>Έλεγχος τώρα</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Verificar todas</source>
        <translation>Έλεγχος όλων</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Versões do yt-dlp</source>
        <translation>Εκδόσεις του yt-dlp</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Você ainda não segue nada.</source>
        <translation>Δεν παρακολουθείτε τίποτα ακόμη.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Você já segue este link.</source>
        <translation>Παρακολουθείτε ήδη αυτόν τον σύνδεσμο.</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Voltando ao yt-dlp anterior…</source>
        <translation>Επιστροφή στο προηγούμενο yt-dlp…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Voltar ao yt-dlp %@</source>
        <translation>Επιστροφή στο yt-dlp %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Voltar ao yt-dlp anterior</source>
        <translation>Επιστροφή στο προηγούμενο yt-dlp</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Voltar à pasta padrão</source>
        <translation>Επιστροφή στον προεπιλεγμένο φάκελο</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Vídeo privado.</source>
        <translation>Ιδιωτικό βίντεο.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>YouTube, Instagram, Vimeo, X, TikTok e mais de mil sites. Em até 4K, ou só o áudio.</source>
        <translation>YouTube, Instagram, Vimeo, X, TikTok και πάνω από χίλιοι ιστότοποι. Έως 4K ή μόνο ο ήχος.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>a estrela traz.</source>
        <translation>το αστέρι τον φέρνει.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>agora</source>
        <translation>τώρα</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>arquivo movido</source>
        <translation>το αρχείο μετακινήθηκε</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>caiu por aqui.</source>
        <translation>περάσει από εδώ.</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>cerca de %@</source>
        <translation>περίπου %@</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>cerca de %@, sem o tamanho de %ld</source>
        <translation>περίπου %@, άγνωστο μέγεθος: %ld</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>chega sozinho.</source>
        <translation>έρχεται μόνο του.</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>com o login de %@</source>
        <translation>με τη σύνδεση από %@</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>com o login do seu navegador</source>
        <translation>με τη σύνδεση του προγράμματος περιήγησής σας</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>como nos ajustes</source>
        <translation>όπως στις ρυθμίσεις</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>endereço</source>
        <translation>διεύθυνση</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>faltam %@</source>
        <translation>απομένουν %@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>ffmpeg junta vídeo e áudio e converte para MP3.</source>
        <translation>Το ffmpeg συνενώνει βίντεο και ήχο και μετατρέπει σε MP3.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>fim</source>
        <translation>τέλος</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>instalado</source>
        <translation>εγκατεστημένο</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>início</source>
        <translation>αρχή</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>item %@</source>
        <translation>στοιχείο %@</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <location filename="../../ui/settingsview.cpp"/>
        <source>não encontrado</source>
        <translation>δεν βρέθηκε</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>original</source>
        <translation>αρχικό</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SettingsPage.qml"/>
        <source>sem complicação.</source>
        <translation>χωρίς κόπο.</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>sem o login do navegador: ele não fica guardado quando o Vireloom fecha</source>
        <translation>χωρίς τη σύνδεση του προγράμματος περιήγησης: δεν κρατιέται όταν κλείνει το Vireloom</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>sem áudio</source>
        <translation>χωρίς ήχο</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>só vídeo</source>
        <translation>μόνο βίντεο</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>só áudio</source>
        <translation>μόνο ήχος</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>tamanho desconhecido</source>
        <translation>άγνωστο μέγεθος</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ de volta ✓</source>
        <translation>Το yt-dlp %@ επέστρεψε ✓</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ foi deixado de lado depois de falhar; nada foi trocado.</source>
        <translation>Το yt-dlp %@ παραμερίστηκε αφού απέτυχε· δεν αντικαταστάθηκε τίποτα.</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ instalado e verificado ✓</source>
        <translation>Το yt-dlp %@ εγκαταστάθηκε και επαληθεύτηκε ✓</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ já saiu; o instalado é o %@.</source>
        <translation>Κυκλοφόρησε το yt-dlp %@· το εγκατεστημένο είναι το %@.</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ já saiu; o instalado, %@, tem %d dias.</source>
        <translation>Κυκλοφόρησε το yt-dlp %@· το εγκατεστημένο, %@, είναι %d ημερών.</translation>
    </message>
    <message>
        <source>yt-dlp %@ já saiu; o seu é o %@.</source>
        <translation type="vanished">Κυκλοφόρησε το yt-dlp %@· το δικό σας είναι το %@.</translation>
    </message>
    <message>
        <source>yt-dlp %@ já saiu; o seu, %@, tem %d dias.</source>
        <translation type="vanished">Κυκλοφόρησε το yt-dlp %@· το δικό σας, %@, είναι %d ημερών.</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ já é a versão mais recente</source>
        <translation>Το yt-dlp %@ είναι ήδη η πιο πρόσφατη έκδοση</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ tem %d dias; não foi possível verificar se há uma versão mais nova.</source>
        <translation>Το yt-dlp %@ είναι %d ημερών· δεν ήταν δυνατό να ελεγχθεί αν υπάρχει νεότερη έκδοση.</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ é a versão mais recente.</source>
        <translation>Το yt-dlp %@ είναι η πιο πρόσφατη έκδοση.</translation>
    </message>
    <message>
        <source>yt-dlp + ffmpeg + Deno (código aberto). Baixa ~150 MB uma única vez.</source>
        <translation type="vanished">yt-dlp + ffmpeg + Deno (ανοιχτός κώδικας). Λήψη ~150 MB μία φορά.</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>yt-dlp deixado de lado (falhou onde o outro funcionou): %@</source>
        <translation>yt-dlp που παραμερίστηκε (απέτυχε εκεί που το άλλο λειτούργησε): %@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp faz os downloads.</source>
        <translation>Το yt-dlp κάνει τις λήψεις.</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>yt-dlp que funcionou por último: %@</source>
        <translation>yt-dlp που λειτούργησε τελευταίο: %@</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>yt-dlp saiu com código %d</source>
        <translation>Το yt-dlp τερμάτισε με κωδικό %d</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Áudio</source>
        <translation>Ήχος</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Última verificação: %@</source>
        <translation>Τελευταίος έλεγχος: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Último</source>
        <translation>Τελευταία</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ClockField.qml"/>
        <source>“%@” não é um horário: use, por exemplo, 01:00.</source>
        <translation>Το «%@» δεν είναι ώρα: χρησιμοποιήστε, για παράδειγμα, 01:00.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>“Manter os dois” salva o novo download com outro nome; “Substituir” manda o arquivo atual para a lixeira.</source>
        <translation>Το «Διατήρηση και των δύο» αποθηκεύει τη νέα λήψη με άλλο όνομα· το «Αντικατάσταση» μεταφέρει το τρέχον αρχείο στα απορρίμματα.</translation>
    </message>
</context>
</TS>
