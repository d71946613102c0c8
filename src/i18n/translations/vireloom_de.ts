<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="pt_BR">
<context>
    <name>Vireloom</name>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>%@ %@ já saiu; o instalado é o %@.</source>
        <translation>%@ %@ ist erschienen; installiert ist %@.</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>%@ foi deixado de lado</source>
        <translation>%@ wurde zurückgestellt</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>%@ não consta em %@</source>
        <translation>%@ ist in %@ nicht aufgeführt</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>%@ não está mais na pasta. Use “Baixar de novo” para buscá-lo outra vez.</source>
        <translation>%@ ist nicht mehr in seinem Ordner. Mit „Erneut herunterladen“ holst du es noch einmal.</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>%@ não traz uma assinatura válida da chave de lançamento do yt-dlp</source>
        <translation>%@ trägt keine gültige Signatur des Release-Schlüssels von yt-dlp</translation>
    </message>
    <message>
        <location filename="../../intake/linkfile.cpp"/>
        <source>%@ é grande demais para uma lista de links.</source>
        <translation>%@ ist zu groß für eine Linkliste.</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>%ld de %ld escolhidos</source>
        <translation>%ld von %ld gewählt</translation>
    </message>
    <message numerus="yes">
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>%ld download concluído|%ld downloads concluídos</source>
        <translation>
            <numerusform>%ld Download abgeschlossen</numerusform>
            <numerusform>%ld Downloads abgeschlossen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>%ld download foi interrompido|%ld downloads foram interrompidos</source>
        <translation>
            <numerusform>%ld Download wurde unterbrochen</numerusform>
            <numerusform>%ld Downloads wurden unterbrochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/shell.cpp"/>
        <source>%ld download|%ld downloads</source>
        <translation>
            <numerusform>%ld Download</numerusform>
            <numerusform>%ld Downloads</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/playlistplan.cpp"/>
        <source>%ld indisponível|%ld indisponíveis</source>
        <translation>
            <numerusform>%ld nicht verfügbar</numerusform>
            <numerusform>%ld nicht verfügbar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>%ld item aponta para a sua rede local|%ld itens apontam para a sua rede local</source>
        <translation>
            <numerusform>%ld Eintrag zeigt in Ihr lokales Netz</numerusform>
            <numerusform>%ld Einträge zeigen in Ihr lokales Netz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/queuesummary.cpp"/>
        <source>%ld item|%ld itens</source>
        <translation>
            <numerusform>%ld Eintrag</numerusform>
            <numerusform>%ld Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../root/downloader.cpp"/>
        <source>%ld já estava na fila|%ld já estavam na fila</source>
        <translation>
            <numerusform>%ld schon in der Warteschlange</numerusform>
            <numerusform>%ld schon in der Warteschlange</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../root/downloader.cpp"/>
        <source>%ld link adicionado|%ld links adicionados</source>
        <translation>
            <numerusform>%ld Link hinzugefügt</numerusform>
            <numerusform>%ld Links hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../root/downloader.cpp"/>
        <source>%ld novo de %@|%ld novos de %@</source>
        <translation>
            <numerusform>%ld neu von %@</numerusform>
            <numerusform>%ld neu von %@</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>%ld novo|%ld novos</source>
        <translation>
            <numerusform>%ld neu</numerusform>
            <numerusform>%ld neu</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 12 horas</source>
        <translation>Alle 12 Stunden</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 15 minutos</source>
        <translation>Alle 15 Minuten</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 3 horas</source>
        <translation>Alle 3 Stunden</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 6 horas</source>
        <translation>Alle 6 Stunden</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada hora</source>
        <translation>Stündlich</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>A conexão caiu antes do fim do download. “Tentar de novo” continua de onde parou.</source>
        <translation>Die Verbindung brach vor dem Ende des Downloads ab. „Erneut versuchen“ macht dort weiter, wo er aufgehört hat.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>A conexão pelo proxy definido em Ajustes falhou. Confira o endereço do proxy ou deixe o campo vazio.</source>
        <translation>Die Verbindung über den in den Einstellungen festgelegten Proxy ist fehlgeschlagen. Prüfe die Proxy-Adresse oder lass das Feld leer.</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>A conexão segura com %@ falhou.</source>
        <translation>Die sichere Verbindung zu %@ ist fehlgeschlagen.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>A lista de downloads salva não pôde ser lida e foi guardada à parte.</source>
        <translation>Die gespeicherte Download-Liste konnte nicht gelesen werden und wurde beiseitegelegt.</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>A mensagem do navegador tem o campo “%@” com um valor do tipo errado.</source>
        <translation>Die Nachricht des Browsers hat im Feld „%@“ einen Wert vom falschen Typ.</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>A parte pedida começa depois do fim do vídeo, que dura %@.</source>
        <translation>Der gewünschte Abschnitt beginnt nach dem Ende des Videos, das %@ lang ist.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>A pasta precisa ser um caminho absoluto, sem caracteres de controle.</source>
        <translation>Der Ordner muss ein absoluter Pfad ohne Steuerzeichen sein.</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>A qualidade dos downloads de --follow: best, p2160, p1440, p1080, p720, p480, mp3 ou m4a.</source>
        <translation>Die Qualität der Downloads von --follow: best, p2160, p1440, p1080, p720, p480, mp3 oder m4a.</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>A soma SHA-256 de %@ não confere com %@</source>
        <translation>Die SHA-256-Summe von %@ stimmt nicht mit %@ überein</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Abertura</source>
        <translation>Intro</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Abra, mostre na pasta ou baixe de novo qualquer coisa que passou pelo Vireloom.</source>
        <translation>Öffne alles, was durch Vireloom gegangen ist, zeige es im Ordner oder lade es erneut herunter.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Abre direto na maioria dos players e editores, sem converter</source>
        <translation>Lässt sich direkt in den meisten Playern und Schnittprogrammen öffnen, ohne Umwandlung</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Abrir</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Abrir a pasta da extensão</source>
        <translation>Ordner der Erweiterung öffnen</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Abrir ajustes</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Abrir no navegador e enviar de novo</source>
        <translation>Im Browser öffnen und erneut senden</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Abrir pasta</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Acesso negado (403). Tente Ajustes ▸ Motor ▸ Atualizar yt-dlp.</source>
        <translation>Zugriff verweigert (403). Versuche Einstellungen ▸ Engine ▸ yt-dlp aktualisieren.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Aguardando a primeira leitura</source>
        <translation>Wartet auf das erste Lesen</translation>
    </message>
    <message>
        <location filename="../../engine/downloadwindow.cpp"/>
        <source>Aguardando até %@</source>
        <translation>Wartet bis %@</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Ainda não configurados: %@</source>
        <translation>Noch nicht eingerichtet: %@</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Ajustar o proxy</source>
        <translation>Proxy anpassen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SettingsPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Ajustes</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Ajustes…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Arquivo de cookies</source>
        <translation>Cookie-Datei</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Arquivos</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Arquivos de cookies</source>
        <translation>Cookie-Dateien</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Arquivos de texto</source>
        <translation>Textdateien</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Atualizar %@</source>
        <translation>%@ aktualisieren</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Atualizar ffmpeg e Deno</source>
        <translation>ffmpeg und Deno aktualisieren</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Atualizar yt-dlp</source>
        <translation>yt-dlp aktualisieren</translation>
    </message>
    <message>
        <source>Aumentar</source>
        <translation type="vanished">Erhöhen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SecondsRow.qml"/>
        <location filename="../../ui/qml/settings/StepperRow.qml"/>
        <source>Aumentar %@ (agora %@)</source>
        <translation>%@ erhöhen (jetzt %@)</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Automáticas</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Autopromoção</source>
        <translation>Eigenwerbung</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Baixa cada link de um arquivo de texto, com as escolhas do campo de link.</source>
        <translation>Lädt jeden Link einer Textdatei herunter, mit den Einstellungen des Linkfelds.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Baixado</source>
        <translation>Heruntergeladen</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>Baixado com o yt-dlp %@, o último que funcionou: o %@ falhou e foi deixado de lado.</source>
        <translation>Mit yt-dlp %@ geladen, dem letzten, das funktioniert hat: %@ ist gescheitert und wurde zurückgestellt.</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Baixando</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Baixando Deno (necessário para o YouTube)…</source>
        <translation>Deno wird heruntergeladen (für YouTube nötig)…</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Baixando ffmpeg…</source>
        <translation>ffmpeg wird heruntergeladen…</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Baixando yt-dlp…</source>
        <translation>yt-dlp wird heruntergeladen…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/ClipboardBanner.qml"/>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Baixar</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Baixar de novo</source>
        <translation>Erneut herunterladen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Baixar link da área de transferência</source>
        <translation>Link aus der Zwischenablage herunterladen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Baixar sem perguntar quando um endereço vireloom: aponta para este computador ou para a sua rede.</source>
        <translation>Ohne Nachfrage herunterladen, wenn eine vireloom:-Adresse auf diesen Computer oder Ihr Netz zeigt.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Botão no navegador</source>
        <translation>Browser-Schaltfläche</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Buscar por título, site ou link</source>
        <translation>Nach Titel, Website oder Link suchen</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Canal</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Cancelado</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <location filename="../../ui/qml/shell/QuitDialog.qml"/>
        <source>Cancelar</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Capítulos</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Chromium, Chrome, Brave, Vivaldi e Edge: em chrome://extensions, ligue o Modo do desenvolvedor, clique em “Carregar sem compactação” e escolha a pasta vireloom-chromium. Firefox e LibreWolf: em about:debugging ▸ Este Firefox, clique em “Carregar extensão temporária…” e escolha o vireloom-firefox.xpi.</source>
        <translation>Chromium, Chrome, Brave, Vivaldi und Edge: unter chrome://extensions den Entwicklermodus einschalten, auf „Entpackte Erweiterung laden“ klicken und den Ordner vireloom-chromium wählen. Firefox und LibreWolf: unter about:debugging ▸ Dieser Firefox auf „Temporäres Add-on laden…“ klicken und vireloom-firefox.xpi wählen.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Cole acima o link de um canal, de uma playlist ou de um feed de podcast. O Vireloom verifica de tempos em tempos e baixa o que for novo.</source>
        <translation>Füge oben den Link eines Kanals, einer Playlist oder eines Podcast-Feeds ein. Vireloom prüft ihn regelmäßig und lädt Neues herunter.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Cole o link de um vídeo…</source>
        <translation>Videolink einfügen…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/EmptyCard.qml"/>
        <source>Cole um link acima, arraste um link para a janela
ou copie um link e volte para o Vireloom.</source>
        <translation>Füge oben einen Link ein, zieh einen Link ins Fenster
oder kopiere einen Link und kehre zu Vireloom zurück.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Cole um link,</source>
        <translation>Füge einen Link ein,</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Como nos ajustes</source>
        <translation>Wie in den Einstellungen</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído com falhas · %ld de %ld</source>
        <translation>Fertig mit Fehlern · %ld von %ld</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído · %@</source>
        <translation>Fertig · %@</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído · %ld arquivo|Concluído · %ld arquivos</source>
        <translation>
            <numerusform>Fertig · %ld Datei</numerusform>
            <numerusform>Fertig · %ld Dateien</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Conexão</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Conexões paralelas por download</source>
        <translation>Parallele Verbindungen pro Download</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <source>Configurado nos navegadores:</source>
        <translation>In den Browsern eingerichtet:</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Configurados: %@</source>
        <translation>Eingerichtet: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Configurar</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Configurar os navegadores para a extensão do Vireloom</source>
        <translation>Die Browser für die Erweiterung von Vireloom einrichten</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Convertendo o vídeo</source>
        <translation>Video wird umgewandelt</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Convertendo para M4A</source>
        <translation>Umwandlung in M4A</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Convertendo para MP3</source>
        <translation>Umwandlung in MP3</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Copiar link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/LogSheet.qml"/>
        <source>Copiar log</source>
        <translation>Protokoll kopieren</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar o caminho da pasta da extensão</source>
        <translation>Pfad des Erweiterungsordners kopieren</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar o endereço para lançadores e terminal</source>
        <translation>Adresse für Starter und Terminal kopieren</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar o favorito do navegador</source>
        <translation>Browser-Lesezeichen kopieren</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Corrigindo o arquivo</source>
        <translation>Datei wird korrigiert</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Criar</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Crie um favorito e cole isto como endereço — ele envia a página atual para o Vireloom.</source>
        <translation>Lege ein Lesezeichen an und füge dies als Adresse ein – es schickt die aktuelle Seite an Vireloom.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Ctrl+Shift+V baixa o link copiado</source>
        <translation>Strg+Umschalt+V lädt den kopierten Link herunter</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Daqui em diante</source>
        <translation>Ab jetzt</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Das … às …</source>
        <translation>Von … bis …</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Deixa os navegadores instalados enviarem links ao Vireloom pela extensão dele, e sai.</source>
        <translation>Lässt die installierten Browser über die Erweiterung von Vireloom Links an Vireloom senden und beendet sich.</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Deixado como está, pois não foi escrito pelo Vireloom:</source>
        <translation>Unverändert gelassen, weil Vireloom es nicht geschrieben hat:</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Deixar de seguir</source>
        <translation>Nicht mehr folgen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Deixar de seguir “%@”?</source>
        <translation>„%@“ nicht mehr folgen?</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Deixe vazio para conectar direto.</source>
        <translation>Leer lassen, um direkt zu verbinden.</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Deno: alguns sites, o YouTube entre eles, precisam dele.</source>
        <translation>Deno: Manche Websites, darunter YouTube, brauchen es.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>Descartar</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Desfaz o que --register-browsers fez nos navegadores, e sai.</source>
        <translation>Macht rückgängig, was --register-browsers in den Browsern getan hat, und beendet sich.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Desligado</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Destaque</source>
        <translation>Höhepunkt</translation>
    </message>
    <message>
        <source>Diminuir</source>
        <translation type="vanished">Verringern</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SecondsRow.qml"/>
        <location filename="../../ui/qml/settings/StepperRow.qml"/>
        <source>Diminuir %@ (agora %@)</source>
        <translation>%@ verringern (jetzt %@)</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Dividindo em capítulos</source>
        <translation>Aufteilung in Kapitel</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Dividir em capítulos não funciona junto com um trecho de tempo: escolha um dos dois.</source>
        <translation>Die Aufteilung in Kapitel funktioniert nicht zusammen mit einem Zeitbereich: Wähle eins von beiden.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Dividir por capítulos</source>
        <translation>Nach Kapiteln teilen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SettingsPage.qml"/>
        <source>Do seu jeito,</source>
        <translation>Wie du es willst,</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Downloads ao mesmo tempo</source>
        <translation>Gleichzeitige Downloads</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Downloads só começam entre estes horários, tanto os das fontes seguidas quanto os links. O que já está baixando não é interrompido.</source>
        <translation>Downloads starten nur zwischen diesen Zeiten, aus gefolgten Quellen wie aus Links. Was schon lädt, wird nicht abgebrochen.</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Dê um nome à nova pasta.</source>
        <translation>Gib dem neuen Ordner einen Namen.</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Ele falhou onde o %@ funcionou; os downloads seguem com esse até sair uma versão mais nova.</source>
        <translation>Es scheiterte, wo %@ funktionierte; Downloads nutzen dieses, bis eine neuere Version erscheint.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Em dia</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Embutindo a miniatura</source>
        <translation>Vorschaubild wird eingebettet</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Embutindo as legendas</source>
        <translation>Untertitel werden eingebettet</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Embutir legendas</source>
        <translation>Untertitel einbetten</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Embutir miniatura como capa</source>
        <translation>Vorschaubild als Cover einbetten</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Encerramento</source>
        <translation>Abspann</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Endereços vireloom: ou links para baixar; com o Vireloom já aberto, vão para a janela dele.</source>
        <translation>vireloom:-Adressen oder Links zum Herunterladen; läuft Vireloom schon, gehen sie an sein Fenster.</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Enrolação</source>
        <translation>Füllmaterial</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escolha ao menos um item da playlist.</source>
        <translation>Wähle mindestens einen Eintrag der Playlist.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escolha ao menos uma categoria.</source>
        <translation>Wähle mindestens eine Kategorie.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escolha o formato outra vez na lista.</source>
        <translation>Wähle das Format erneut aus der Liste.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <source>Escolha um vídeo e um áudio para juntar, ou um formato que já tem os dois.</source>
        <translation>Wähle ein Video und ein Audio zum Zusammenführen oder ein Format, das beides hat.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Escolher</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Escolher a pasta desta fonte</source>
        <translation>Ordner dieser Quelle wählen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Escolher a pasta dos downloads</source>
        <translation>Download-Ordner auswählen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Escolher itens</source>
        <translation>Einträge wählen</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Escolher navegador</source>
        <translation>Browser wählen</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Escolher o arquivo de cookies</source>
        <translation>Cookie-Datei wählen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Escolher…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escreva um campo com %( e )s em volta do nome, como em %(title)s. Nomes que você pode usar: title, uploader, upload_date, id, height, playlist_index, playlist_title, ext.</source>
        <translation>Schreibe ein Feld mit seinem Namen zwischen %( und )s, wie in %(title)s. Mögliche Namen: title, uploader, upload_date, id, height, playlist_index, playlist_title, ext.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Escritas</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Esquecer o login de %@</source>
        <translation>Anmeldung für %@ vergessen</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Essa qualidade não existe para este vídeo — tente “Melhor qualidade”.</source>
        <translation>Diese Qualität gibt es für dieses Video nicht – versuche „Beste Qualität“.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Esta pasta está vazia.</source>
        <translation>Dieser Ordner ist leer.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Este link leva para a sua rede local, e links vindos de fora não podem chegar a ela. Se você confia nele, cole o link na janela.</source>
        <translation>Dieser Link führt in dein lokales Netzwerk, und Links von außen dürfen es nicht erreichen. Wenn du ihm vertraust, füge den Link im Fenster ein.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Este link não pode ser seguido: use o endereço (http ou https) de um canal, uma playlist ou um feed.</source>
        <translation>Diesem Link kann nicht gefolgt werden: Verwende die Adresse (http oder https) eines Kanals, einer Playlist oder eines Feeds.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Este link não é suportado (não achei vídeo nele).</source>
        <translation>Dieser Link wird nicht unterstützt (kein Video gefunden).</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Este link não é uma playlist.</source>
        <translation>Dieser Link ist keine Playlist.</translation>
    </message>
    <message>
        <location filename="../../host/main.cpp"/>
        <source>Este programa é iniciado pelo navegador para a extensão do Vireloom; não é para ser aberto à mão.</source>
        <translation>Der Browser startet dieses Programm für die Erweiterung von Vireloom; es ist nicht dafür gedacht, von Hand geöffnet zu werden.</translation>
    </message>
    <message>
        <source>Este yt-dlp tem mais de %d dias e não consegui ver se há outro.</source>
        <translation type="vanished">Dieses yt-dlp ist älter als %d Tage, und ich konnte nicht prüfen, ob es ein neueres gibt.</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Este yt-dlp tem mais de %d dias; não foi possível verificar se há uma versão mais nova.</source>
        <translation>Dieses yt-dlp ist älter als %d Tage; ob es eine neuere Version gibt, ließ sich nicht prüfen.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Estes sites usam logo de início o login de navegador que resolveu um download deles.</source>
        <translation>Diese Seiten nutzen von Anfang an die Browser-Anmeldung, mit der ein Download von ihnen geklappt hat.</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>Estável</source>
        <translation>Stabil</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Extensão do navegador</source>
        <translation>Browser-Erweiterung</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Faixa de áudio</source>
        <translation>Audiospur</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Falha ao descompactar %@: %@</source>
        <translation>%@ konnte nicht entpackt werden: %@</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Falhou: %@</source>
        <translation>Fehlgeschlagen: %@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Falta instalar o motor de download</source>
        <translation>Die Download-Engine ist nicht installiert</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Falta o Deno</source>
        <translation>Deno fehlt</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Falta o ffmpeg</source>
        <translation>ffmpeg fehlt</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Falta o ffmpeg para juntar ou converter o arquivo. Instale o que falta em Ajustes ▸ Motor.</source>
        <translation>ffmpeg fehlt, um die Datei zusammenzufügen oder umzuwandeln. Installiere das Fehlende unter Einstellungen ▸ Engine.</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Faltam componentes do motor</source>
        <translation>Engine-Komponenten fehlen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/LogSheet.qml"/>
        <location filename="../../ui/qml/shell/NoticeBar.qml"/>
        <source>Fechar</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Fila</source>
        <translation>Warteschlange</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Fim da janela</source>
        <translation>Ende des Zeitfensters</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Finalizando</source>
        <translation>Wird abgeschlossen</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Finalizando — juntando áudio e vídeo…</source>
        <translation>Wird abgeschlossen – Audio und Video werden zusammengeführt…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Formato</source>
        <translation>Format</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <source>Formatos</source>
        <translation>Formate</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Frequência</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Geral</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Gravando os metadados</source>
        <translation>Metadaten werden geschrieben</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Gravar título e autor nos metadados</source>
        <translation>Titel und Autor in die Metadaten schreiben</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>HTTP %ld ao baixar %@</source>
        <translation>HTTP %ld beim Herunterladen von %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Histórico</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Horas como 01:00. Se o fim vem antes do início, a janela passa da meia-noite.</source>
        <translation>Zeiten wie 01:00. Ein Ende vor dem Beginn reicht über Mitternacht.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Horários</source>
        <translation>Zeitplan</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/shell.cpp"/>
        <source>Há %ld download em andamento|Há %ld downloads em andamento</source>
        <translation>
            <numerusform>%ld Download läuft</numerusform>
            <numerusform>%ld Downloads laufen</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Há um %@ mais novo</source>
        <translation>Ein neueres %@ ist erschienen</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Há um %@ mais novo: %@ (este é %@).</source>
        <translation>Ein neueres %@ ist erschienen: %@ (dieses ist %@).</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Há um yt-dlp mais novo</source>
        <translation>Ein neueres yt-dlp ist erschienen</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Há um yt-dlp mais novo: %@ (este é %@).</source>
        <translation>Ein neueres yt-dlp ist erschienen: %@ (dieses ist %@).</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Há versões novas do ffmpeg e do Deno</source>
        <translation>Neue Versionen von ffmpeg und Deno sind erschienen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Idioma do áudio</source>
        <translation>Audiosprache</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Idiomas das legendas</source>
        <translation>Untertitelsprachen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/ClipboardBanner.qml"/>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Ignorar</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Importar</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Importar links de um arquivo</source>
        <translation>Links aus einer Datei importieren</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Importar links…</source>
        <translation>Links importieren…</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Indisponível</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Inicia sem janela, na bandeja; os downloads e as fontes seguidas continuam.</source>
        <translation>Startet ohne Fenster im Infobereich; Downloads und gefolgte Quellen laufen weiter.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Iniciar agora</source>
        <translation>Jetzt starten</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Iniciar o Vireloom ao entrar na sessão, na bandeja</source>
        <translation>Vireloom bei der Anmeldung im Infobereich starten</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Instala o que falta do motor e atualiza o yt-dlp, sem abrir a janela.</source>
        <translation>Installiert, was der Engine fehlt, und aktualisiert yt-dlp, ohne das Fenster zu öffnen.</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Instalar Deno</source>
        <translation>Deno installieren</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Instalar agora</source>
        <translation>Jetzt installieren</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Instalar o que falta</source>
        <translation>Fehlendes installieren</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Integração</source>
        <translation>Integration</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Início da janela</source>
        <translation>Beginn des Zeitfensters</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Item %ld</source>
        <translation>Eintrag %ld</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Item %ld: %@</source>
        <translation>Eintrag %ld: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Itens da playlist</source>
        <translation>Einträge der Playlist</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Janela de downloads</source>
        <translation>Download-Zeitfenster</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Juntando as partes</source>
        <translation>Teile werden zusammengefügt</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Juntando vídeo e áudio</source>
        <translation>Video und Audio werden zusammengeführt</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Já baixado, consta no arquivo</source>
        <translation>Bereits heruntergeladen, steht im Archiv</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Já está na sua pasta</source>
        <translation>Schon in deinem Ordner</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Já existe “%@” nesta pasta.</source>
        <translation>„%@“ gibt es in diesem Ordner schon.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Lançadores e Terminal</source>
        <translation>App-Starter und Terminal</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Legendas</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Lendo a lista…</source>
        <translation>Liste wird gelesen …</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Lendo as faixas e os formatos do link…</source>
        <translation>Spuren und Formate des Links werden gelesen…</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Lendo informações…</source>
        <translation>Informationen werden gelesen…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Limite de velocidade</source>
        <translation>Geschwindigkeitslimit</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Limpar</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Limpar concluídos</source>
        <translation>Abgeschlossene entfernen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Limpar histórico</source>
        <translation>Verlauf löschen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Limpar o histórico?</source>
        <translation>Verlauf löschen?</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/ClipboardBanner.qml"/>
        <source>Link copiado</source>
        <translation>Kopierter Link</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Link de um canal, playlist ou feed</source>
        <translation>Link zu Kanal, Playlist oder Feed</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Links da rede local vindos de outros programas</source>
        <translation>Links ins lokale Netz aus anderen Programmen</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Links vindos de fora só passam por um proxy http ou socks5. Mude o proxy em Ajustes ▸ Conexão ou cole o link na janela.</source>
        <translation>Links von außen laufen nur über einen http- oder socks5-Proxy. Ändere den Proxy unter Einstellungen ▸ Verbindung oder füge den Link im Fenster ein.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/LogSheet.qml"/>
        <source>Log do download</source>
        <translation>Download-Protokoll</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Logins lembrados</source>
        <translation>Gemerkte Anmeldungen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>MENU</source>
        <translation>MENÜ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Mais formatos…</source>
        <translation>Weitere Formate…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Manter os dois</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Marcar</source>
        <translation>Markieren</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Melhor</source>
        <translation>Beste</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Melhor qualidade</source>
        <translation>Beste Qualität</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Menu principal</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra a versão e sai.</source>
        <translation>Zeigt die Version an und beendet das Programm.</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra as fontes seguidas, uma por linha, e sai.</source>
        <translation>Gibt die gefolgten Quellen aus, eine pro Zeile, und beendet sich.</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra esta ajuda e sai.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra os programas do motor, suas versões e se há atualização.</source>
        <translation>Zeigt die Programme der Engine, ihre Versionen und ob ein Update bekannt ist.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Mostrar log</source>
        <translation>Protokoll anzeigen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Mostrar na pasta</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <location filename="../../app/trayicon.cpp"/>
        <source>Mostrar o Vireloom</source>
        <translation>Vireloom anzeigen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Mostrar pasta do motor</source>
        <translation>Engine-Ordner anzeigen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Motor</source>
        <translation>Engine</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Motor incompleto</source>
        <translation>Engine unvollständig</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <location filename="../../engine/playlistlisting.cpp"/>
        <source>Motor não instalado</source>
        <translation>Engine nicht installiert</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <location filename="../../ui/followingview.cpp"/>
        <source>Motor não instalado — clique em Instalar agora.</source>
        <translation>Engine nicht installiert – auf „Jetzt installieren“ klicken.</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Motor pronto · yt-dlp %@</source>
        <translation>Engine bereit · yt-dlp %@</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Motor pronto ✓</source>
        <translation>Engine bereit ✓</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Movendo para a pasta</source>
        <translation>Wird in den Ordner verschoben</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Música: trecho sem música</source>
        <translation>Musik: Teil ohne Musik</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Na fila</source>
        <translation>In der Warteschlange</translation>
    </message>
    <message>
        <location filename="../../ui/historyview.cpp"/>
        <source>Nada encontrado.</source>
        <translation>Nichts gefunden.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Nada para seguir em %@: não é um canal, uma playlist nem um feed, ou já não existe.</source>
        <translation>Unter %@ gibt es nichts zu folgen: Das ist kein Kanal, keine Playlist und kein Feed, oder es existiert nicht mehr.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Nada é apagado: o que já foi baixado continua na pasta. Só não chega mais nada desta fonte.</source>
        <translation>Nichts wird gelöscht: Bereits Heruntergeladenes bleibt im Ordner. Von dieser Quelle kommt nur nichts mehr.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Navegadores</source>
        <translation>Browser</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Nenhum</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Nenhum aplicativo pôde abrir o arquivo.</source>
        <translation>Keine App konnte die Datei öffnen.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/EmptyCard.qml"/>
        <source>Nenhum download por enquanto</source>
        <translation>Noch keine Downloads</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Nenhum gerenciador de arquivos pôde abrir %@.</source>
        <translation>Kein Dateimanager konnte %@ öffnen.</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Nenhum navegador compatível foi encontrado.</source>
        <translation>Es wurde kein unterstützter Browser gefunden.</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <source>Nenhum navegador estava configurado pelo Vireloom.</source>
        <translation>Vireloom hatte keinen Browser eingerichtet.</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Nenhum navegador pôde abrir o link.</source>
        <translation>Kein Browser konnte den Link öffnen.</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Nenhum yt-dlp foi deixado de lado.</source>
        <translation>Es wurde kein yt-dlp zurückgestellt.</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>Nightly (de toda noite)</source>
        <translation>Nightly (jede Nacht)</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Nome da nova pasta</source>
        <translation>Name des neuen Ordners</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Nome do arquivo</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Nova pasta</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <location filename="../../host/browserhost.cpp"/>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>Não consegui abrir o Vireloom.</source>
        <translation>Vireloom konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Não consegui conectar ao site. Verifique sua conexão com a internet e tente de novo.</source>
        <translation>Keine Verbindung zur Website. Prüfe deine Internetverbindung und versuche es erneut.</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não consegui entregar o pedido ao Vireloom aberto nem gravá-lo com segurança: nada foi seguido.</source>
        <translation>Die Anfrage ließ sich weder an das laufende Vireloom übergeben noch sicher speichern: Nichts wurde abonniert.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Não consegui falar com o site: tentando de novo mais tarde</source>
        <translation>Website nicht erreichbar: später erneuter Versuch</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não consegui gravar %@.</source>
        <translation>%@ konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>Não consegui iniciar o yt-dlp: %@</source>
        <translation>yt-dlp konnte nicht gestartet werden: %@</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não consegui ler %@.</source>
        <translation>%@ konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../../platform/autostart.cpp"/>
        <source>Não consegui mudar a inicialização com a sessão: %@</source>
        <translation>Start bei der Anmeldung konnte nicht geändert werden: %@</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Não consegui mudar:</source>
        <translation>Konnte nicht geändert werden:</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Não consegui verificar %@: %@</source>
        <translation>%@ konnte nicht geprüft werden: %@</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Não consigo gravar na pasta de download. Escolha outra pasta em Ajustes ▸ Geral.</source>
        <translation>In den Download-Ordner kann nicht geschrieben werden. Wähle unter Einstellungen ▸ Allgemein einen anderen Ordner.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Não encontrada: o link sumiu, é privado ou não é uma lista</source>
        <translation>Nicht gefunden: Der Link ist weg, privat oder keine Liste</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Não foi possível criar “%@” nesta pasta.</source>
        <translation>„%@“ konnte in diesem Ordner nicht angelegt werden.</translation>
    </message>
    <message>
        <location filename="../../intake/linkfile.cpp"/>
        <source>Não foi possível ler %@.</source>
        <translation>%@ konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../../engine/playlistlisting.cpp"/>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Não foi possível ler a lista.</source>
        <translation>Die Liste konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Não havia link no que você soltou.</source>
        <translation>In dem, was du abgelegt hast, war kein Link.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Não há espaço livre no disco. Libere espaço ou escolha outra pasta em Ajustes ▸ Geral.</source>
        <translation>Der Datenträger ist voll. Schaffe Platz oder wähle unter Einstellungen ▸ Allgemein einen anderen Ordner.</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Não há link na área de transferência.</source>
        <translation>In der Zwischenablage ist kein Link.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/DropFrame.qml"/>
        <source>Não há link neste texto</source>
        <translation>In diesem Text ist kein Link</translation>
    </message>
    <message>
        <location filename="../../root/downloader.cpp"/>
        <source>Não há links em %@.</source>
        <translation>In %@ sind keine Links.</translation>
    </message>
    <message>
        <location filename="../../ui/inputcardmodel.cpp"/>
        <source>Não há um link neste texto. Cole um endereço que comece com http:// ou https://.</source>
        <translation>In diesem Text ist kein Link. Füge eine Adresse ein, die mit http:// oder https:// beginnt.</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Não há versão anterior do yt-dlp.</source>
        <translation>Es gibt kein vorheriges yt-dlp.</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Não se sabe se há um yt-dlp mais novo.</source>
        <translation>Ob es ein neueres yt-dlp gibt, ist nicht bekannt.</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>Não usar</source>
        <translation>Nicht verwenden</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Não usar o arquivo</source>
        <translation>Datei nicht verwenden</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não é um link que se possa seguir: %@</source>
        <translation>Kein Link, dem man folgen kann: %@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>O Deno %@ precisa ser atualizado: as versões novas do yt-dlp exigem o Deno %d.%d ou mais novo para alguns sites.</source>
        <translation>Deno %@ muss aktualisiert werden: Neuere yt-dlp-Versionen brauchen für manche Seiten Deno %d.%d oder neuer.</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>O Deno precisa ser atualizado</source>
        <translation>Deno muss aktualisiert werden</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>O Vireloom aberto verifica agora todas as fontes seguidas.</source>
        <translation>Das laufende Vireloom prüft jetzt alle gefolgten Quellen.</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O Vireloom baixa um link http ou https por vez, e este não é um.</source>
        <translation>Vireloom lädt jeweils einen http- oder https-Link herunter, und das ist keiner.</translation>
    </message>
    <message>
        <location filename="../../app/main.cpp"/>
        <source>O Vireloom continua baixando em segundo plano. Abra o Vireloom de novo para ver a janela.</source>
        <translation>Vireloom lädt im Hintergrund weiter. Öffne Vireloom erneut, um das Fenster zu sehen.</translation>
    </message>
    <message>
        <location filename="../../host/browserhost.cpp"/>
        <source>O Vireloom está aberto, mas não respondeu. Tente de novo em um instante.</source>
        <translation>Vireloom ist geöffnet, hat aber nicht geantwortet. Versuche es gleich noch einmal.</translation>
    </message>
    <message>
        <location filename="../../host/browserhost.cpp"/>
        <source>O Vireloom não abriu a tempo. Tente de novo.</source>
        <translation>Vireloom wurde nicht rechtzeitig geöffnet. Versuche es noch einmal.</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O Vireloom não conhece este pedido do navegador. Atualize o Vireloom ou a extensão.</source>
        <translation>Vireloom kennt diese Anfrage des Browsers nicht. Aktualisiere Vireloom oder die Erweiterung.</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O Vireloom não entendeu a mensagem do navegador.</source>
        <translation>Vireloom konnte die Nachricht des Browsers nicht lesen.</translation>
    </message>
    <message>
        <location filename="../../app/main.cpp"/>
        <source>O Vireloom não está aberto: não há o que verificar.</source>
        <translation>Vireloom läuft nicht: Es gibt nichts zu prüfen.</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O arquivo de cookies não existe ou não pode ser lido.</source>
        <translation>Die Cookie-Datei existiert nicht oder kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O arquivo de cookies “%@” não pôde ser lido. Escolha outro em Ajustes ▸ Conexão.</source>
        <translation>Die Cookie-Datei „%@“ konnte nicht gelesen werden. Wähle unter Einstellungen ▸ Verbindung eine andere.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O download falhou.</source>
        <translation>Der Download ist fehlgeschlagen.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O download falhou. Última mensagem do yt-dlp: %@</source>
        <translation>Der Download ist fehlgeschlagen. Letzte Meldung von yt-dlp: %@</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O início precisa vir antes do fim.</source>
        <translation>Der Anfang muss vor dem Ende liegen.</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O login que o navegador mandou não pôde ser lido; nada foi baixado.</source>
        <translation>Die Anmeldung, die der Browser geschickt hat, konnte nicht gelesen werden; nichts wurde heruntergeladen.</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O navegador mandou uma mensagem grande demais para o Vireloom.</source>
        <translation>Der Browser hat Vireloom eine zu große Nachricht geschickt.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O nome não pode ficar vazio.</source>
        <translation>Der Name darf nicht leer sein.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O nome precisa ficar dentro da pasta de downloads.</source>
        <translation>Der Name muss im Download-Ordner bleiben.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O nome precisa terminar em .%(ext)s.</source>
        <translation>Der Name muss auf .%(ext)s enden.</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo %@ não respondeu com uma versão e foi removido.</source>
        <translation>Das neue %@ hat keine Version genannt und wurde entfernt.</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo %@ não respondeu com uma versão; o anterior foi reposto.</source>
        <translation>Das neue %@ hat keine Version genannt; das vorherige wurde wiederhergestellt.</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo yt-dlp não respondeu com uma versão e foi removido.</source>
        <translation>Das neue yt-dlp hat keine Version genannt und wurde entfernt.</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo yt-dlp não respondeu com uma versão; o anterior foi reposto.</source>
        <translation>Das neue yt-dlp hat keine Version genannt; das vorherige wurde wiederhergestellt.</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>O programa que recebe os links do navegador (vireloom-browser-host) não foi encontrado junto do Vireloom.</source>
        <translation>Das Programm, das die Links vom Browser entgegennimmt (vireloom-browser-host), wurde neben Vireloom nicht gefunden.</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>O proxy definido em Ajustes não respondeu.</source>
        <translation>Der in den Einstellungen festgelegte Proxy hat nicht geantwortet.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>O que é novo</source>
        <translation>Neues</translation>
    </message>
    <message>
        <source>O seu yt-dlp, %@, tem %d dias e não consegui ver se há outro.</source>
        <translation type="vanished">Dein yt-dlp, %@, ist %d Tage alt, und ich konnte nicht prüfen, ob es ein neueres gibt.</translation>
    </message>
    <message>
        <location filename="../../platform/autostart.cpp"/>
        <source>O sistema não consegue iniciar um programa neste caminho: %@</source>
        <translation>Der Desktop kann kein Programm unter diesem Pfad starten: %@</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>O site de versões (%@) não respondeu a tempo.</source>
        <translation>Die Release-Seite (%@) hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>O site de versões (%@) recusou a conexão.</source>
        <translation>Die Release-Seite (%@) hat die Verbindung abgelehnt.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site demorou demais para responder. Tente de novo em alguns minutos.</source>
        <translation>Die Website hat zu lange nicht geantwortet. Versuche es in ein paar Minuten erneut.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site está com problemas no momento (erro do servidor). Tente de novo mais tarde.</source>
        <translation>Die Website hat gerade Probleme (Serverfehler). Versuche es später erneut.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site limitou as requisições (429). Espere alguns minutos ou use o login do navegador.</source>
        <translation>Die Website drosselt die Anfragen (429). Warte ein paar Minuten oder verwende die Browser-Anmeldung.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site mudou e este yt-dlp não o entende mais. Atualize o yt-dlp em Ajustes ▸ Motor.</source>
        <translation>Die Website hat sich geändert, und dieses yt-dlp versteht sie nicht mehr. Aktualisiere yt-dlp unter Einstellungen ▸ Engine.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site negou o acesso a este endereço (403). Talvez ele exija login ou não esteja disponível para você.</source>
        <translation>Die Website verweigert den Zugriff auf diese Adresse (403). Vielleicht ist eine Anmeldung nötig oder sie ist für dich nicht verfügbar.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site não tem esta página ou este arquivo (não existe ou foi removido). Confira o link.</source>
        <translation>Die Website hat diese Seite oder Datei nicht (sie existiert nicht oder wurde entfernt). Prüfe den Link.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site pediu login/verificação. Em Ajustes ▸ Formato, escolha um navegador em “Usar login do navegador”.</source>
        <translation>Die Website verlangt Anmeldung/Bestätigung. Wähle unter Einstellungen ▸ Format einen Browser bei „Browser-Anmeldung verwenden“.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>O site pediu uma pausa: tentando de novo mais tarde</source>
        <translation>Die Website bat um eine Pause: später erneuter Versuch</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>O site pediu uma pausa: verificando a cada %ld h</source>
        <translation>Die Website bat um eine Pause: Prüfung alle %ld Std.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site recusou a conexão. Ele pode estar fora do ar; tente de novo mais tarde.</source>
        <translation>Die Website hat die Verbindung abgelehnt. Sie ist vielleicht nicht erreichbar; versuche es später erneut.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>O título do vídeo (padrão)</source>
        <translation>Der Titel des Videos (Standard)</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>O yt-dlp está na versão mais recente.</source>
        <translation>yt-dlp ist auf dem neuesten Stand.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O yt-dlp leria este caminho de outro jeito (troca “$nome” por variáveis e corta espaços nas pontas): escolha outra pasta.</source>
        <translation>yt-dlp würde diesen Pfad anders lesen (es ersetzt „$name“ durch Variablen und schneidet Leerzeichen an den Enden ab): Wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>O yt-dlp não conseguiu listar esta fonte</source>
        <translation>yt-dlp konnte diese Quelle nicht auflisten</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>O yt-dlp pode estar desatualizado</source>
        <translation>yt-dlp ist vielleicht veraltet</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O yt-dlp precisa do Deno para este site. Instale o Deno em Ajustes ▸ Motor.</source>
        <translation>yt-dlp braucht für diese Website Deno. Installiere Deno unter Einstellungen ▸ Engine.</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O yt-dlp publicado (%@) é mais antigo que o instalado (%@); nada foi trocado.</source>
        <translation>Das veröffentlichte yt-dlp (%@) ist älter als das installierte (%@); es wurde nichts ersetzt.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Opção desconhecida: %@</source>
        <translation>Unbekannte Option: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Opções</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Opções do download</source>
        <translation>Download-Optionen</translation>
    </message>
    <message>
        <location filename="../../ui/historyview.cpp"/>
        <source>Os downloads concluídos aparecem aqui.</source>
        <translation>Abgeschlossene Downloads erscheinen hier.</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Os pacotes da extensão não estão junto deste Vireloom.</source>
        <translation>Die Pakete der Erweiterung sind nicht mit diesem Vireloom installiert.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Os sites mudam com frequência. Se algo que funcionava começar a falhar, atualize o yt-dlp.</source>
        <translation>Websites ändern sich oft. Wenn etwas, das funktioniert hat, plötzlich fehlschlägt, aktualisiere yt-dlp.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <source>Outro programa pediu um link da sua rede local (%@). Baixar mesmo assim?</source>
        <translation>Ein anderes Programm hat einen Link aus Ihrem lokalen Netz angefordert (%@). Trotzdem herunterladen?</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Para links enviados por outros programas, pela área de transferência ou pelo menu. O campo de link guarda a própria escolha.</source>
        <translation>Für Links aus anderen Programmen, der Zwischenablage oder dem Menü. Das Linkfeld behält seine eigene Wahl.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Para quando o login do navegador falha: um cookies.txt exportado.</source>
        <translation>Falls die Browser-Anmeldung scheitert: eine exportierte cookies.txt.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Para vídeos que exigem conta (Instagram, privados).</source>
        <translation>Für Videos, die ein Konto erfordern (Instagram, privat).</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Pasta de cima</source>
        <translation>Übergeordneter Ordner</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Patrocínio</source>
        <translation>Sponsor</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Pausa entre itens da playlist</source>
        <translation>Pause zwischen Playlist-Einträgen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Pausa entre pedidos</source>
        <translation>Pause zwischen Anfragen</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Pausada</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Pausar</source>
        <translation>Pausieren</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Pedaços baixados ao mesmo tempo quando o vídeo vem em partes, como na maioria dos sites.</source>
        <translation>Gleichzeitig geladene Fragmente, wenn ein Video in Teilen kommt, wie auf den meisten Seiten.</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Pedido de interação</source>
        <translation>Interaktionserinnerung</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Pela qualidade escolhida</source>
        <translation>Nach der gewählten Qualität</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Playlist</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Playlist inteira</source>
        <translation>Ganze Playlist</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Playlist · %ld</source>
        <translation>Playlist · %ld</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Playlist · %ld de %ld</source>
        <translation>Playlist · %ld von %ld</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Por download, como 500K ou 2M. Vazio: sem limite.</source>
        <translation>Pro Download, etwa 500K oder 2M. Leer: kein Limit.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Preferir H.264</source>
        <translation>H.264 bevorzugen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Procurar versões novas do yt-dlp</source>
        <translation>Nach neuen yt-dlp-Versionen suchen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Progresso</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Pronto</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Pronto: %@. Agora adicione a extensão.</source>
        <translation>Fertig: %@. Fügen Sie jetzt die Erweiterung hinzu.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Prévia</source>
        <translation>Vorschau oder Rückblick</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Próxima: %@</source>
        <translation>Nächste: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Pular o que já foi baixado</source>
        <translation>Bereits Geladenes überspringen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/QualityMenu.qml"/>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Qualidade</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Qualidade desconhecida: %@</source>
        <translation>Unbekannte Qualität: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Qualidade padrão</source>
        <translation>Standardqualität</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Quando o login de um navegador resolve um download, o site passa a usá-lo logo de início.</source>
        <translation>Wenn die Anmeldung eines Browsers einen Download ermöglicht, nutzt die Seite sie von Anfang an.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Quando você copia um link e volta para o Vireloom</source>
        <translation>Wenn du einen Link kopierst und zu Vireloom zurückkehrst</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Remover</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Remover da lista</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Remover do histórico</source>
        <translation>Aus dem Verlauf entfernen</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <source>Removido dos navegadores:</source>
        <translation>Aus den Browsern entfernt:</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Retomar</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>Retomar todos</source>
        <translation>Alle fortsetzen</translation>
    </message>
    <message>
        <location filename="../../app/trayicon.cpp"/>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Sair</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/QuitDialog.qml"/>
        <source>Sair mesmo assim</source>
        <translation>Trotzdem beenden</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Salvar em</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Salve vídeo ou áudio de links como arquivos</source>
        <translation>Speichere Video oder Audio aus Links als Dateien</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Se o link fizer parte de uma playlist, baixa todos os vídeos dela</source>
        <translation>Wenn der Link Teil einer Playlist ist, werden alle ihre Videos heruntergeladen</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/shell/QuitDialog.qml"/>
        <source>Se sair agora, ele será interrompido.|Se sair agora, eles serão interrompidos.</source>
        <translation>
            <numerusform>Wenn du jetzt beendest, wird er abgebrochen.</numerusform>
            <numerusform>Wenn du jetzt beendest, werden sie abgebrochen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Se sair agora, eles serão interrompidos.</source>
        <translation type="vanished">Wenn du jetzt beendest, werden sie abgebrochen.</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Segue um canal, playlist ou feed a partir de agora; com o Vireloom fechado, fica para a próxima vez que ele abrir.</source>
        <translation>Folgt ab jetzt einem Kanal, einer Playlist oder einem Feed; läuft Vireloom nicht, wird es für den nächsten Start gemerkt.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Seguindo</source>
        <translation>Gefolgt</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Seguindo: a primeira leitura já começou.</source>
        <translation>Gefolgt: Das erste Lesen hat begonnen.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Seguir</source>
        <translation>Folgen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Segundos antes de cada item.</source>
        <translation>Sekunden vor jedem Eintrag.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Segundos. Sites limitam quem pede rápido demais.</source>
        <translation>Sekunden. Websites bremsen, wer zu schnell anfragt.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Sem abrir a janela: as fontes seguidas e a fila continuam trabalhando.</source>
        <translation>Ohne das Fenster zu öffnen: Gefolgte Quellen und die Warteschlange arbeiten weiter.</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>Sem conexão com a internet: o site de versões (%@) não pôde ser alcançado.</source>
        <translation>Keine Internetverbindung: Die Release-Seite (%@) ist nicht erreichbar.</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Sem dados há %ld min</source>
        <translation>Seit %ld Min. keine Daten</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Siga canais, playlists e feeds: cada novidade entra na fila com as escolhas da fonte.</source>
        <translation>Folge Kanälen, Playlists und Feeds: Jeder neue Eintrag kommt mit den Einstellungen der Quelle in die Warteschlange.</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Site não encontrado: este endereço não existe. Confira o link.</source>
        <translation>Website nicht gefunden: Diese Adresse existiert nicht. Prüfe den Link.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/DropFrame.qml"/>
        <source>Solte o link para baixar</source>
        <translation>Link ablegen, um ihn herunterzuladen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Substituir</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Substituir o arquivo que está na pasta?</source>
        <translation>Die Datei im Ordner ersetzen?</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Sugerir links copiados</source>
        <translation>Kopierte Links vorschlagen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Só a lista é apagada — os arquivos baixados continuam na pasta.</source>
        <translation>Nur die Liste wird gelöscht – die heruntergeladenen Dateien bleiben im Ordner.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Só áudio</source>
        <translation>Nur Audio</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Só áudio — M4A</source>
        <translation>Nur Audio – M4A</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Só áudio — MP3</source>
        <translation>Nur Audio – MP3</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Também os últimos %ld|Também os últimos %ld</source>
        <translation>
            <numerusform>Auch die letzten %ld</numerusform>
            <numerusform>Auch die letzten %ld</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Tentar a versão nightly</source>
        <translation>Nightly-Version versuchen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar com o login de:</source>
        <translation>Mit der Anmeldung versuchen von:</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar de novo</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar de novo com o login de %@</source>
        <translation>Erneut mit der Anmeldung von %@ versuchen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar de novo os que falharam</source>
        <translation>Fehlgeschlagene erneut versuchen</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Tentar o %@ de novo</source>
        <translation>%@ erneut versuchen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Tocar som ao concluir</source>
        <translation>Ton bei Abschluss abspielen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Todos</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Todos os arquivos</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Total baixado</source>
        <translation>Insgesamt heruntergeladen</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Tratando os trechos patrocinados</source>
        <translation>Gesponserte Abschnitte werden bearbeitet</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Trecho</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Tudo que já</source>
        <translation>Alles, was</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Título do vídeo</source>
        <translation>Videotitel</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Um código como en, de ou pt-BR. Vazio: a faixa original, senão a do idioma da interface.</source>
        <translation>Ein Code wie en, de oder pt-BR. Leer: die Originalspur, sonst die der Oberflächensprache.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <source>Um endereço vireloom: trouxe %ld link; nada foi adicionado.|Um endereço vireloom: trouxe %ld links de uma vez; só um é aceito, e nada foi adicionado.</source>
        <translation>
            <numerusform>Eine vireloom:-Adresse brachte %ld Link; nichts wurde hinzugefügt.</numerusform>
            <numerusform>Eine vireloom:-Adresse brachte %ld Links auf einmal; nur einer wird angenommen, nichts wurde hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Um navegador Flatpak pode não ter permissão para abrir o Vireloom fora da sua área isolada.</source>
        <translation>Ein Flatpak-Browser darf Vireloom außerhalb seiner Sandbox womöglich nicht öffnen.</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Um nome de pasta não pode ser “.” nem “..”, nem ter “/”.</source>
        <translation>Ein Ordnername darf weder „.“ noch „..“ sein und kein „/“ enthalten.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Uma playlist baixada de novo traz só os itens novos.</source>
        <translation>Eine erneut geladene Playlist bringt nur die neuen Einträge.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Uma vez por dia</source>
        <translation>Einmal am Tag</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Uma vez por dia, sem baixar nada</source>
        <translation>Einmal am Tag, ohne etwas herunterzuladen</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Uma vez por semana</source>
        <translation>Einmal pro Woche</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Usar login do navegador</source>
        <translation>Browser-Anmeldung verwenden</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use códigos de idioma separados por vírgula, como en.*,pt.</source>
        <translation>Verwende durch Kommas getrennte Sprachcodes, etwa en.*,pt.</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Use tempos como 90, 1:30 ou 1:02:03.</source>
        <translation>Verwenden Sie Zeiten wie 90, 1:30 oder 1:02:03.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use um código de idioma como en, de ou pt-BR.</source>
        <translation>Verwende einen Sprachcode wie en, de oder pt-BR.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use um endereço como socks5://127.0.0.1:1080 ou http://proxy:8080.</source>
        <translation>Verwende eine Adresse wie socks5://127.0.0.1:1080 oder http://proxy:8080.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <location filename="../../ui/appsettings.cpp"/>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Use um limite como 500K ou 2M (bytes por segundo).</source>
        <translation>Verwenden Sie ein Limit wie 500K oder 2M (Bytes pro Sekunde).</translation>
    </message>
    <message>
        <source>Use um limite de velocidade maior que zero.</source>
        <translation type="vanished">Verwende ein Tempolimit über null.</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use um número de segundos entre 0 e 600.</source>
        <translation>Verwende eine Zahl von Sekunden zwischen 0 und 600.</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Uso: vireloom [opções] [endereço…]</source>
        <translation>Aufruf: vireloom [Optionen] [Adresse…]</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Ver log</source>
        <translation>Protokoll ansehen</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Verificando só desta vez: a fonte continua pausada</source>
        <translation>Nur dieses Mal wird geprüft: Die Quelle bleibt pausiert</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Verificando…</source>
        <translation>Wird geprüft…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Verificar agora</source>
        <translation>Jetzt prüfen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Verificar todas</source>
        <translation>Alle prüfen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Versões do yt-dlp</source>
        <translation>yt-dlp-Versionen</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Você ainda não segue nada.</source>
        <translation>Du folgst noch nichts.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Você já segue este link.</source>
        <translation>Du folgst diesem Link bereits.</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Voltando ao yt-dlp anterior…</source>
        <translation>Zurück zum vorherigen yt-dlp…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Voltar ao yt-dlp %@</source>
        <translation>Zurück zu yt-dlp %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Voltar ao yt-dlp anterior</source>
        <translation>Zurück zum vorherigen yt-dlp</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Voltar à pasta padrão</source>
        <translation>Zurück zum Standardordner</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Vídeo privado.</source>
        <translation>Privates Video.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>YouTube, Instagram, Vimeo, X, TikTok e mais de mil sites. Em até 4K, ou só o áudio.</source>
        <translation>YouTube, Instagram, Vimeo, X, TikTok und über tausend weitere Websites. Bis zu 4K oder nur das Audio.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>a estrela traz.</source>
        <translation>der Stern bringt ihn.</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>agora</source>
        <translation>jetzt</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>arquivo movido</source>
        <translation>Datei verschoben</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>caiu por aqui.</source>
        <translation>hier gelandet ist.</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>cerca de %@</source>
        <translation>etwa %@</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>cerca de %@, sem o tamanho de %ld</source>
        <translation>etwa %@, ohne die Größe von %ld</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>chega sozinho.</source>
        <translation>kommt von selbst.</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>com o login de %@</source>
        <translation>mit der Anmeldung von %@</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>com o login do seu navegador</source>
        <translation>mit der Anmeldung Ihres Browsers</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>como nos ajustes</source>
        <translation>wie in den Einstellungen</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>endereço</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>faltam %@</source>
        <translation>noch %@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>ffmpeg junta vídeo e áudio e converte para MP3.</source>
        <translation>ffmpeg führt Video und Audio zusammen und wandelt in MP3 um.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>fim</source>
        <translation>Ende</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>instalado</source>
        <translation>installiert</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>início</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>item %@</source>
        <translation>Eintrag %@</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <location filename="../../ui/settingsview.cpp"/>
        <source>não encontrado</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>original</source>
        <translation>Original</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SettingsPage.qml"/>
        <source>sem complicação.</source>
        <translation>ganz unkompliziert.</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>sem o login do navegador: ele não fica guardado quando o Vireloom fecha</source>
        <translation>ohne die Anmeldung des Browsers: Sie wird beim Schließen von Vireloom nicht aufbewahrt</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>sem áudio</source>
        <translation>ohne Audio</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>só vídeo</source>
        <translation>nur Video</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>só áudio</source>
        <translation>nur Audio</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>tamanho desconhecido</source>
        <translation>Größe unbekannt</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ de volta ✓</source>
        <translation>yt-dlp %@ ist zurück ✓</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ foi deixado de lado depois de falhar; nada foi trocado.</source>
        <translation>yt-dlp %@ wurde nach einem Fehlschlag zurückgestellt; nichts wurde ersetzt.</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ instalado e verificado ✓</source>
        <translation>yt-dlp %@ installiert und geprüft ✓</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ já saiu; o instalado é o %@.</source>
        <translation>yt-dlp %@ ist erschienen; installiert ist %@.</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ já saiu; o instalado, %@, tem %d dias.</source>
        <translation>yt-dlp %@ ist erschienen; das installierte, %@, ist %d Tage alt.</translation>
    </message>
    <message>
        <source>yt-dlp %@ já saiu; o seu é o %@.</source>
        <translation type="vanished">yt-dlp %@ ist erschienen; deines ist %@.</translation>
    </message>
    <message>
        <source>yt-dlp %@ já saiu; o seu, %@, tem %d dias.</source>
        <translation type="vanished">yt-dlp %@ ist erschienen; deines, %@, ist %d Tage alt.</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ já é a versão mais recente</source>
        <translation>yt-dlp %@ ist bereits die neueste Version</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ tem %d dias; não foi possível verificar se há uma versão mais nova.</source>
        <translation>yt-dlp %@ ist %d Tage alt; ob es eine neuere Version gibt, ließ sich nicht prüfen.</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ é a versão mais recente.</source>
        <translation>yt-dlp %@ ist die neueste Version.</translation>
    </message>
    <message>
        <source>yt-dlp + ffmpeg + Deno (código aberto). Baixa ~150 MB uma única vez.</source>
        <translation type="vanished">yt-dlp + ffmpeg + Deno (Open Source). Einmaliger Download von ca. 150 MB.</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>yt-dlp deixado de lado (falhou onde o outro funcionou): %@</source>
        <translation>Zurückgestelltes yt-dlp (scheiterte, wo das andere funktionierte): %@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp faz os downloads.</source>
        <translation>yt-dlp lädt herunter.</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>yt-dlp que funcionou por último: %@</source>
        <translation>Zuletzt funktionierendes yt-dlp: %@</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>yt-dlp saiu com código %d</source>
        <translation>yt-dlp beendet mit Code %d</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Áudio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Última verificação: %@</source>
        <translation>Zuletzt geprüft: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Último</source>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ClockField.qml"/>
        <source>“%@” não é um horário: use, por exemplo, 01:00.</source>
        <translation>„%@“ ist keine Uhrzeit: Verwende zum Beispiel 01:00.</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>“Manter os dois” salva o novo download com outro nome; “Substituir” manda o arquivo atual para a lixeira.</source>
        <translation>„Beide behalten“ speichert den neuen Download unter einem anderen Namen; „Ersetzen“ verschiebt die jetzige Datei in den Papierkorb.</translation>
    </message>
</context>
</TS>
