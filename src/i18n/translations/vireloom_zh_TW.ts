<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="pt_BR">
<context>
    <name>Vireloom</name>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>%@ %@ já saiu; o instalado é o %@.</source>
        <translation>%@ %@ 已發布；已安裝的是 %@。</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>%@ foi deixado de lado</source>
        <translation>%@ 已被擱置</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>%@ não consta em %@</source>
        <translation>%@ 未列於 %@ 中</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>%@ não está mais na pasta. Use “Baixar de novo” para buscá-lo outra vez.</source>
        <translation>%@ 已不在其資料夾中。請使用「重新下載」再次取得。</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>%@ não traz uma assinatura válida da chave de lançamento do yt-dlp</source>
        <translation>%@ 沒有來自 yt-dlp 發行金鑰的有效簽章</translation>
    </message>
    <message>
        <location filename="../../intake/linkfile.cpp"/>
        <source>%@ é grande demais para uma lista de links.</source>
        <translation>%@ 太大，無法作為連結清單。</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>%ld de %ld escolhidos</source>
        <translation>已選擇 %ld / %ld 項</translation>
    </message>
    <message numerus="yes">
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>%ld download concluído|%ld downloads concluídos</source>
        <translation>
            <numerusform>%ld 個下載已完成</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>%ld download foi interrompido|%ld downloads foram interrompidos</source>
        <translation>
            <numerusform>%ld 個下載被中斷</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/shell.cpp"/>
        <source>%ld download|%ld downloads</source>
        <translation>
            <numerusform>%ld 個下載</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/playlistplan.cpp"/>
        <source>%ld indisponível|%ld indisponíveis</source>
        <translation>
            <numerusform>%ld 項無法使用</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>%ld item aponta para a sua rede local|%ld itens apontam para a sua rede local</source>
        <translation>
            <numerusform>%ld 個項目指向您的區域網路</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/queuesummary.cpp"/>
        <source>%ld item|%ld itens</source>
        <translation>
            <numerusform>%ld 個項目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../root/downloader.cpp"/>
        <source>%ld já estava na fila|%ld já estavam na fila</source>
        <translation>
            <numerusform>%ld 個已在佇列中</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../root/downloader.cpp"/>
        <source>%ld link adicionado|%ld links adicionados</source>
        <translation>
            <numerusform>已加入 %ld 個連結</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../root/downloader.cpp"/>
        <source>%ld novo de %@|%ld novos de %@</source>
        <translation>
            <numerusform>%ld 個新內容，來自 %@</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>%ld novo|%ld novos</source>
        <translation>
            <numerusform>%ld 個新內容</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 12 horas</source>
        <translation>每 12 小時</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 15 minutos</source>
        <translation>每 15 分鐘</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 3 horas</source>
        <translation>每 3 小時</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 6 horas</source>
        <translation>每 6 小時</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada hora</source>
        <translation>每小時</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>A conexão caiu antes do fim do download. “Tentar de novo” continua de onde parou.</source>
        <translation>下載完成前連線已中斷。「重試」會從中斷處繼續。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>A conexão pelo proxy definido em Ajustes falhou. Confira o endereço do proxy ou deixe o campo vazio.</source>
        <translation>透過設定中的代理伺服器連線失敗。請檢查代理伺服器位址，或將該欄位留空。</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>A conexão segura com %@ falhou.</source>
        <translation>與 %@ 的安全連線失敗。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>A lista de downloads salva não pôde ser lida e foi guardada à parte.</source>
        <translation>無法讀取已儲存的下載清單，已將其另外保留。</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>A mensagem do navegador tem o campo “%@” com um valor do tipo errado.</source>
        <translation>瀏覽器訊息中欄位「%@」的值類型錯誤。</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>A parte pedida começa depois do fim do vídeo, que dura %@.</source>
        <translation>您要求的片段開始於影片結束之後，該影片長度為 %@。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>A pasta precisa ser um caminho absoluto, sem caracteres de controle.</source>
        <translation>資料夾必須是不含控制字元的絕對路徑。</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>A qualidade dos downloads de --follow: best, p2160, p1440, p1080, p720, p480, mp3 ou m4a.</source>
        <translation>--follow 下載的畫質：best、p2160、p1440、p1080、p720、p480、mp3 或 m4a。</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>A soma SHA-256 de %@ não confere com %@</source>
        <translation>%@ 的 SHA-256 總和檢查碼與 %@ 不符</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Abertura</source>
        <translation>片頭</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Abra, mostre na pasta ou baixe de novo qualquer coisa que passou pelo Vireloom.</source>
        <translation>透過 Vireloom 下載的任何內容，都可以開啟、在資料夾中顯示或重新下載。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Abre direto na maioria dos players e editores, sem converter</source>
        <translation>可在大多數播放器和編輯器中直接開啟，無需轉換</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Abrir</source>
        <translation>開啟</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Abrir a pasta da extensão</source>
        <translation>開啟擴充功能的資料夾</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Abrir ajustes</source>
        <translation>開啟設定</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Abrir no navegador e enviar de novo</source>
        <translation>在瀏覽器中開啟並重新傳送</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Abrir pasta</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Acesso negado (403). Tente Ajustes ▸ Motor ▸ Atualizar yt-dlp.</source>
        <translation>拒絕存取（403）。請嘗試「設定 ▸ 引擎 ▸ 更新 yt-dlp」。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Aguardando a primeira leitura</source>
        <translation>等待首次讀取</translation>
    </message>
    <message>
        <location filename="../../engine/downloadwindow.cpp"/>
        <source>Aguardando até %@</source>
        <translation>等待至 %@</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Ainda não configurados: %@</source>
        <translation>尚未設定：%@</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Ajustar o proxy</source>
        <translation>調整代理伺服器</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SettingsPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Ajustes</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Ajustes…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Arquivo de cookies</source>
        <translation>Cookie 檔案</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Arquivos</source>
        <translation>檔案</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Arquivos de cookies</source>
        <translation>Cookie 檔案</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Arquivos de texto</source>
        <translation>文字檔</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Atualizar %@</source>
        <translation>更新 %@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Atualizar ffmpeg e Deno</source>
        <translation>更新 ffmpeg 和 Deno</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Atualizar yt-dlp</source>
        <translation>更新 yt-dlp</translation>
    </message>
    <message>
        <source>Aumentar</source>
        <translation type="vanished">增加</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SecondsRow.qml"/>
        <location filename="../../ui/qml/settings/StepperRow.qml"/>
        <source>Aumentar %@ (agora %@)</source>
        <translation>增加 %@（目前為 %@）</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Automáticas</source>
        <translation>自動字幕</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Autopromoção</source>
        <translation>自我宣傳</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Baixa cada link de um arquivo de texto, com as escolhas do campo de link.</source>
        <translation>下載文字檔中的每個連結，使用連結欄位的選擇。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Baixado</source>
        <translation>已下載</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>Baixado com o yt-dlp %@, o último que funcionou: o %@ falhou e foi deixado de lado.</source>
        <translation>已使用最後一個正常運作的 yt-dlp %@ 下載：%@ 失敗，已被擱置。</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Baixando</source>
        <translation>正在下載</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Baixando Deno (necessário para o YouTube)…</source>
        <translation>正在下載 Deno（YouTube 需要）…</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Baixando ffmpeg…</source>
        <translation>正在下載 ffmpeg…</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Baixando yt-dlp…</source>
        <translation>正在下載 yt-dlp…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/ClipboardBanner.qml"/>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Baixar</source>
        <translation>下載</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Baixar de novo</source>
        <translation>重新下載</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Baixar link da área de transferência</source>
        <translation>下載剪貼簿中的連結</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Baixar sem perguntar quando um endereço vireloom: aponta para este computador ou para a sua rede.</source>
        <translation>當 vireloom: 網址指向本機或您的網路時，不經詢問直接下載。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Botão no navegador</source>
        <translation>瀏覽器按鈕</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Buscar por título, site ou link</source>
        <translation>依標題、網站或連結搜尋</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Canal</source>
        <translation>頻道</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Cancelado</source>
        <translation>已取消</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <location filename="../../ui/qml/shell/QuitDialog.qml"/>
        <source>Cancelar</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Capítulos</source>
        <translation>章節</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Chromium, Chrome, Brave, Vivaldi e Edge: em chrome://extensions, ligue o Modo do desenvolvedor, clique em “Carregar sem compactação” e escolha a pasta vireloom-chromium. Firefox e LibreWolf: em about:debugging ▸ Este Firefox, clique em “Carregar extensão temporária…” e escolha o vireloom-firefox.xpi.</source>
        <translation>Chromium、Chrome、Brave、Vivaldi 和 Edge：在 chrome://extensions 開啟「開發人員模式」，按一下「載入未封裝項目」並選擇 vireloom-chromium 資料夾。Firefox 和 LibreWolf：在 about:debugging ▸ 這個 Firefox 中按一下「載入暫時性附加元件…」並選擇 vireloom-firefox.xpi。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Cole acima o link de um canal, de uma playlist ou de um feed de podcast. O Vireloom verifica de tempos em tempos e baixa o que for novo.</source>
        <translation>在上方貼上頻道、播放清單或 Podcast 訂閱源的連結。Vireloom 會不時檢查，並下載新內容。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Cole o link de um vídeo…</source>
        <translation>貼上影片連結…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/EmptyCard.qml"/>
        <source>Cole um link acima, arraste um link para a janela
ou copie um link e volte para o Vireloom.</source>
        <translation>在上方貼上連結、將連結拖曳到視窗上，
或者複製連結後回到 Vireloom。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Cole um link,</source>
        <translation>貼上一個連結，</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Como nos ajustes</source>
        <translation>與設定相同</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído</source>
        <translation>完成</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído com falhas · %ld de %ld</source>
        <translation>已完成，部分失敗 · %ld / %ld</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído · %@</source>
        <translation>完成 · %@</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído · %ld arquivo|Concluído · %ld arquivos</source>
        <translation>
            <numerusform>完成 · %ld 個檔案</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Conexão</source>
        <translation>連線</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Conexões paralelas por download</source>
        <translation>每個下載的平行連線數</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <source>Configurado nos navegadores:</source>
        <translation>已在下列瀏覽器中設定：</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Configurados: %@</source>
        <translation>已設定：%@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Configurar</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Configurar os navegadores para a extensão do Vireloom</source>
        <translation>為 Vireloom 擴充功能設定瀏覽器</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Convertendo o vídeo</source>
        <translation>正在轉換影片</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Convertendo para M4A</source>
        <translation>正在轉換為 M4A</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Convertendo para MP3</source>
        <translation>正在轉換為 MP3</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar</source>
        <translation>複製</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Copiar link</source>
        <translation>複製連結</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/LogSheet.qml"/>
        <source>Copiar log</source>
        <translation>複製日誌</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar o caminho da pasta da extensão</source>
        <translation>複製擴充功能資料夾的路徑</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar o endereço para lançadores e terminal</source>
        <translation>複製用於啟動器和終端機的網址</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar o favorito do navegador</source>
        <translation>複製瀏覽器書籤</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Corrigindo o arquivo</source>
        <translation>正在修復檔案</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Criar</source>
        <translation>建立</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Crie um favorito e cole isto como endereço — ele envia a página atual para o Vireloom.</source>
        <translation>建立一個書籤，並將此內容貼上作為書籤網址 — 它會把目前的頁面傳送到 Vireloom。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Ctrl+Shift+V baixa o link copiado</source>
        <translation>按 Ctrl+Shift+V 下載已複製的連結</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Daqui em diante</source>
        <translation>從現在開始</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Das … às …</source>
        <translation>從 … 到 …</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Deixa os navegadores instalados enviarem links ao Vireloom pela extensão dele, e sai.</source>
        <translation>讓已安裝的瀏覽器透過 Vireloom 擴充功能將連結傳送給它，然後結束。</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Deixado como está, pois não foi escrito pelo Vireloom:</source>
        <translation>下列項目維持原狀，因為並非由 Vireloom 寫入：</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Deixar de seguir</source>
        <translation>取消追蹤</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Deixar de seguir “%@”?</source>
        <translation>要取消追蹤「%@」嗎？</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Deixe vazio para conectar direto.</source>
        <translation>留空即直接連線。</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Deno: alguns sites, o YouTube entre eles, precisam dele.</source>
        <translation>Deno：部分網站（包括 YouTube）需要它。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>Descartar</source>
        <translation>捨棄</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Desfaz o que --register-browsers fez nos navegadores, e sai.</source>
        <translation>復原 --register-browsers 在瀏覽器中所做的變更，然後結束。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Desligado</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Destaque</source>
        <translation>精華片段</translation>
    </message>
    <message>
        <source>Diminuir</source>
        <translation type="vanished">減少</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SecondsRow.qml"/>
        <location filename="../../ui/qml/settings/StepperRow.qml"/>
        <source>Diminuir %@ (agora %@)</source>
        <translation>減少 %@（目前為 %@）</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Dividindo em capítulos</source>
        <translation>正在依章節分割</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Dividir em capítulos não funciona junto com um trecho de tempo: escolha um dos dois.</source>
        <translation>依章節分割無法與時間範圍同時使用：請二選一。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Dividir por capítulos</source>
        <translation>依章節分割</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SettingsPage.qml"/>
        <source>Do seu jeito,</source>
        <translation>隨您心意，</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Downloads</source>
        <translation>下載</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Downloads ao mesmo tempo</source>
        <translation>同時下載數</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Downloads só começam entre estes horários, tanto os das fontes seguidas quanto os links. O que já está baixando não é interrompido.</source>
        <translation>無論是追蹤的來源還是連結，下載都只會在這段時間內開始。正在進行的下載不會被中斷。</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Dê um nome à nova pasta.</source>
        <translation>請為新資料夾命名。</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Ele falhou onde o %@ funcionou; os downloads seguem com esse até sair uma versão mais nova.</source>
        <translation>此版本失敗了，而 %@ 可以正常運作；在有更新的版本發布之前，下載將使用後者。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Em dia</source>
        <translation>已是最新</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Embutindo a miniatura</source>
        <translation>正在內嵌縮圖</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Embutindo as legendas</source>
        <translation>正在內嵌字幕</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Embutir legendas</source>
        <translation>內嵌字幕</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Embutir miniatura como capa</source>
        <translation>將縮圖內嵌為封面</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Encerramento</source>
        <translation>片尾</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Endereços vireloom: ou links para baixar; com o Vireloom já aberto, vão para a janela dele.</source>
        <translation>vireloom: 網址或要下載的連結；如果 Vireloom 已在執行，它們會被傳送到其視窗。</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Enrolação</source>
        <translation>離題內容</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escolha ao menos um item da playlist.</source>
        <translation>請至少選擇一個播放清單項目。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escolha ao menos uma categoria.</source>
        <translation>請至少選擇一個類別。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escolha o formato outra vez na lista.</source>
        <translation>請重新從清單中選擇格式。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <source>Escolha um vídeo e um áudio para juntar, ou um formato que já tem os dois.</source>
        <translation>請選擇要合併的影像和音訊，或選擇同時包含兩者的格式。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Escolher</source>
        <translation>選擇</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Escolher a pasta desta fonte</source>
        <translation>選擇此來源的資料夾</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Escolher a pasta dos downloads</source>
        <translation>選擇下載資料夾</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Escolher itens</source>
        <translation>選擇項目</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Escolher navegador</source>
        <translation>選擇瀏覽器</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Escolher o arquivo de cookies</source>
        <translation>選擇 Cookie 檔案</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Escolher…</source>
        <translation>選擇…</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escreva um campo com %( e )s em volta do nome, como em %(title)s. Nomes que você pode usar: title, uploader, upload_date, id, height, playlist_index, playlist_title, ext.</source>
        <translation>欄位的寫法是將其名稱放在 %( 和 )s 之間，例如 %(title)s。可用的名稱：title、uploader、upload_date、id、height、playlist_index、playlist_title、ext。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Escritas</source>
        <translation>人工字幕</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Esquecer o login de %@</source>
        <translation>忘記 %@ 的登入</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Essa qualidade não existe para este vídeo — tente “Melhor qualidade”.</source>
        <translation>此影片沒有該畫質 — 請嘗試「最佳畫質」。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Esta pasta está vazia.</source>
        <translation>此資料夾是空的。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Este link leva para a sua rede local, e links vindos de fora não podem chegar a ela. Se você confia nele, cole o link na janela.</source>
        <translation>此連結指向您的區域網路，而來自外部的連結無法存取該網路。如果您信任它，請將連結貼到視窗中。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Este link não pode ser seguido: use o endereço (http ou https) de um canal, uma playlist ou um feed.</source>
        <translation>此連結無法追蹤：請使用頻道、播放清單或訂閱源的網址（http 或 https）。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Este link não é suportado (não achei vídeo nele).</source>
        <translation>不支援此連結（找不到影片）。</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Este link não é uma playlist.</source>
        <translation>此連結不是播放清單。</translation>
    </message>
    <message>
        <location filename="../../host/main.cpp"/>
        <source>Este programa é iniciado pelo navegador para a extensão do Vireloom; não é para ser aberto à mão.</source>
        <translation>此程式由瀏覽器為 Vireloom 擴充功能啟動，不應手動開啟。</translation>
    </message>
    <message>
        <source>Este yt-dlp tem mais de %d dias e não consegui ver se há outro.</source>
        <translation type="vanished">此 yt-dlp 已是 %d 多天前的版本，且無法檢查是否有更新的版本。</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Este yt-dlp tem mais de %d dias; não foi possível verificar se há uma versão mais nova.</source>
        <translation>此 yt-dlp 已是 %d 多天前的版本；無法檢查是否有更新的版本。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Estes sites usam logo de início o login de navegador que resolveu um download deles.</source>
        <translation>這些網站會從一開始就使用曾讓其下載成功的瀏覽器登入。</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>Estável</source>
        <translation>穩定版</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Extensão do navegador</source>
        <translation>瀏覽器擴充功能</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Faixa de áudio</source>
        <translation>音軌</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Falha ao descompactar %@: %@</source>
        <translation>無法解壓縮 %@：%@</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Falhou: %@</source>
        <translation>失敗：%@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Falta instalar o motor de download</source>
        <translation>尚未安裝下載引擎</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Falta o Deno</source>
        <translation>缺少 Deno</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Falta o ffmpeg</source>
        <translation>缺少 ffmpeg</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Falta o ffmpeg para juntar ou converter o arquivo. Instale o que falta em Ajustes ▸ Motor.</source>
        <translation>合併或轉換此檔案需要 ffmpeg，但找不到它。請在「設定 ▸ 引擎」中安裝缺少的元件。</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Faltam componentes do motor</source>
        <translation>缺少引擎元件</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/LogSheet.qml"/>
        <location filename="../../ui/qml/shell/NoticeBar.qml"/>
        <source>Fechar</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Fila</source>
        <translation>佇列</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Fim da janela</source>
        <translation>時段結束</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Finalizando</source>
        <translation>即將完成</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Finalizando — juntando áudio e vídeo…</source>
        <translation>即將完成 — 正在合併音訊和影像…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Formato</source>
        <translation>格式</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <source>Formatos</source>
        <translation>格式</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Frequência</source>
        <translation>檢查頻率</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Geral</source>
        <translation>一般</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Gravando os metadados</source>
        <translation>正在寫入中繼資料</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Gravar título e autor nos metadados</source>
        <translation>將標題和作者寫入中繼資料</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>HTTP %ld ao baixar %@</source>
        <translation>HTTP %ld（下載 %@ 時）</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Histórico</source>
        <translation>歷史紀錄</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Horas como 01:00. Se o fim vem antes do início, a janela passa da meia-noite.</source>
        <translation>時間格式如 01:00。結束時間早於開始時間表示跨越午夜。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Horários</source>
        <translation>排程</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/shell.cpp"/>
        <source>Há %ld download em andamento|Há %ld downloads em andamento</source>
        <translation>
            <numerusform>有 %ld 個下載正在進行</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Há um %@ mais novo</source>
        <translation>有新版 %@</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Há um %@ mais novo: %@ (este é %@).</source>
        <translation>有新版 %@：%@（目前為 %@）。</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Há um yt-dlp mais novo</source>
        <translation>有新版 yt-dlp</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Há um yt-dlp mais novo: %@ (este é %@).</source>
        <translation>有新版 yt-dlp：%@（目前為 %@）。</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Há versões novas do ffmpeg e do Deno</source>
        <translation>ffmpeg 和 Deno 有新版本</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Idioma do áudio</source>
        <translation>音訊語言</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Idiomas das legendas</source>
        <translation>字幕語言</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/ClipboardBanner.qml"/>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Ignorar</source>
        <translation>忽略</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Importar</source>
        <translation>匯入</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Importar links de um arquivo</source>
        <translation>從檔案匯入連結</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Importar links…</source>
        <translation>匯入連結…</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Indisponível</source>
        <translation>無法使用</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Inicia sem janela, na bandeja; os downloads e as fontes seguidas continuam.</source>
        <translation>不開啟視窗，在系統匣中啟動；下載和追蹤的來源會繼續運作。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Iniciar agora</source>
        <translation>立即開始</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Iniciar o Vireloom ao entrar na sessão, na bandeja</source>
        <translation>登入時在系統匣中啟動 Vireloom</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Instala o que falta do motor e atualiza o yt-dlp, sem abrir a janela.</source>
        <translation>不開啟視窗，安裝引擎缺少的元件並更新 yt-dlp。</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Instalar Deno</source>
        <translation>安裝 Deno</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Instalar agora</source>
        <translation>立即安裝</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Instalar o que falta</source>
        <translation>安裝缺少的元件</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Integração</source>
        <translation>整合</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Início da janela</source>
        <translation>時段開始</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Item %ld</source>
        <translation>項目 %ld</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Item %ld: %@</source>
        <translation>項目 %ld：%@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Itens da playlist</source>
        <translation>播放清單項目</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Janela de downloads</source>
        <translation>下載時段</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Juntando as partes</source>
        <translation>正在合併片段</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Juntando vídeo e áudio</source>
        <translation>正在合併影像和音訊</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Já baixado, consta no arquivo</source>
        <translation>已下載，已記錄在封存檔中</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Já está na sua pasta</source>
        <translation>已在您的資料夾中</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Já existe “%@” nesta pasta.</source>
        <translation>此資料夾中已有「%@」。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Lançadores e Terminal</source>
        <translation>啟動器與終端機</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Legendas</source>
        <translation>字幕</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Lendo a lista…</source>
        <translation>正在讀取清單…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Lendo as faixas e os formatos do link…</source>
        <translation>正在讀取連結的音軌和格式…</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Lendo informações…</source>
        <translation>正在讀取資訊…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Limite de velocidade</source>
        <translation>速度限制</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Limpar</source>
        <translation>清除</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Limpar concluídos</source>
        <translation>清除已完成項目</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Limpar histórico</source>
        <translation>清除歷史紀錄</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Limpar o histórico?</source>
        <translation>要清除歷史紀錄嗎？</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/ClipboardBanner.qml"/>
        <source>Link copiado</source>
        <translation>已複製的連結</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Link de um canal, playlist ou feed</source>
        <translation>頻道、播放清單或訂閱源的連結</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Links da rede local vindos de outros programas</source>
        <translation>來自其他程式的區域網路連結</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Links vindos de fora só passam por um proxy http ou socks5. Mude o proxy em Ajustes ▸ Conexão ou cole o link na janela.</source>
        <translation>來自外部的連結只能透過 http 或 socks5 代理伺服器。請在「設定 ▸ 連線」中變更代理伺服器，或將連結貼到視窗中。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/LogSheet.qml"/>
        <source>Log do download</source>
        <translation>下載日誌</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Logins lembrados</source>
        <translation>記住的登入</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>MENU</source>
        <translation>選單</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Mais formatos…</source>
        <translation>更多格式…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Manter os dois</source>
        <translation>保留兩者</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Marcar</source>
        <translation>標記</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Melhor</source>
        <translation>最佳</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Melhor qualidade</source>
        <translation>最佳畫質</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Menu principal</source>
        <translation>主選單</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra a versão e sai.</source>
        <translation>顯示版本並結束。</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra as fontes seguidas, uma por linha, e sai.</source>
        <translation>列出追蹤的來源（每行一個）並結束。</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra esta ajuda e sai.</source>
        <translation>顯示此說明並結束。</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra os programas do motor, suas versões e se há atualização.</source>
        <translation>顯示引擎的各個程式及其版本，以及是否有已知的更新。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Mostrar log</source>
        <translation>顯示日誌</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Mostrar na pasta</source>
        <translation>在資料夾中顯示</translation>
    </message>
    <message>
        <location filename="../../app/trayicon.cpp"/>
        <source>Mostrar o Vireloom</source>
        <translation>顯示 Vireloom</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Mostrar pasta do motor</source>
        <translation>顯示引擎資料夾</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Motor</source>
        <translation>引擎</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Motor incompleto</source>
        <translation>引擎不完整</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <location filename="../../engine/playlistlisting.cpp"/>
        <source>Motor não instalado</source>
        <translation>尚未安裝引擎</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <location filename="../../ui/followingview.cpp"/>
        <source>Motor não instalado — clique em Instalar agora.</source>
        <translation>尚未安裝引擎 — 請點選「立即安裝」。</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Motor pronto · yt-dlp %@</source>
        <translation>引擎已就緒 · yt-dlp %@</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Motor pronto ✓</source>
        <translation>引擎已就緒 ✓</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Movendo para a pasta</source>
        <translation>正在移入資料夾</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Música: trecho sem música</source>
        <translation>音樂：非音樂部分</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Na fila</source>
        <translation>等待中</translation>
    </message>
    <message>
        <location filename="../../ui/historyview.cpp"/>
        <source>Nada encontrado.</source>
        <translation>找不到任何內容。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Nada para seguir em %@: não é um canal, uma playlist nem um feed, ou já não existe.</source>
        <translation>%@ 中沒有可追蹤的內容：它不是頻道、播放清單或訂閱源，或者已不存在。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Nada é apagado: o que já foi baixado continua na pasta. Só não chega mais nada desta fonte.</source>
        <translation>不會刪除任何內容：已下載的內容仍保留在其資料夾中。只是此來源不會再有新內容送達。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Navegadores</source>
        <translation>瀏覽器</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Nenhum</source>
        <translation>無</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Nenhum aplicativo pôde abrir o arquivo.</source>
        <translation>沒有應用程式能開啟此檔案。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/EmptyCard.qml"/>
        <source>Nenhum download por enquanto</source>
        <translation>尚無下載</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Nenhum gerenciador de arquivos pôde abrir %@.</source>
        <translation>沒有檔案管理員能開啟 %@。</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Nenhum navegador compatível foi encontrado.</source>
        <translation>找不到支援的瀏覽器。</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <source>Nenhum navegador estava configurado pelo Vireloom.</source>
        <translation>Vireloom 未在任何瀏覽器中進行過設定。</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Nenhum navegador pôde abrir o link.</source>
        <translation>沒有瀏覽器能開啟該連結。</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Nenhum yt-dlp foi deixado de lado.</source>
        <translation>沒有被擱置的 yt-dlp。</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>Nightly (de toda noite)</source>
        <translation>每夜版（每晚發布）</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Nome da nova pasta</source>
        <translation>新資料夾的名稱</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Nome do arquivo</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Nova pasta</source>
        <translation>新增資料夾</translation>
    </message>
    <message>
        <location filename="../../host/browserhost.cpp"/>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>Não consegui abrir o Vireloom.</source>
        <translation>無法開啟 Vireloom。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Não consegui conectar ao site. Verifique sua conexão com a internet e tente de novo.</source>
        <translation>無法連線至網站。請檢查您的網路連線，然後再試一次。</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não consegui entregar o pedido ao Vireloom aberto nem gravá-lo com segurança: nada foi seguido.</source>
        <translation>無法將請求交給正在執行的 Vireloom，也無法安全地儲存它：未追蹤任何內容。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Não consegui falar com o site: tentando de novo mais tarde</source>
        <translation>無法連上網站：稍後再試</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não consegui gravar %@.</source>
        <translation>無法寫入 %@。</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>Não consegui iniciar o yt-dlp: %@</source>
        <translation>無法啟動 yt-dlp：%@</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não consegui ler %@.</source>
        <translation>無法讀取 %@。</translation>
    </message>
    <message>
        <location filename="../../platform/autostart.cpp"/>
        <source>Não consegui mudar a inicialização com a sessão: %@</source>
        <translation>無法變更登入時啟動的設定：%@</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Não consegui mudar:</source>
        <translation>無法變更：</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Não consegui verificar %@: %@</source>
        <translation>無法驗證 %@：%@</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Não consigo gravar na pasta de download. Escolha outra pasta em Ajustes ▸ Geral.</source>
        <translation>無法寫入下載資料夾。請在「設定 ▸ 一般」中選擇其他資料夾。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Não encontrada: o link sumiu, é privado ou não é uma lista</source>
        <translation>找不到：連結已失效、為私人內容或不是清單</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Não foi possível criar “%@” nesta pasta.</source>
        <translation>無法在此資料夾中建立「%@」。</translation>
    </message>
    <message>
        <location filename="../../intake/linkfile.cpp"/>
        <source>Não foi possível ler %@.</source>
        <translation>無法讀取 %@。</translation>
    </message>
    <message>
        <location filename="../../engine/playlistlisting.cpp"/>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Não foi possível ler a lista.</source>
        <translation>無法讀取該清單。</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Não havia link no que você soltou.</source>
        <translation>您拖放的內容中沒有連結。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Não há espaço livre no disco. Libere espaço ou escolha outra pasta em Ajustes ▸ Geral.</source>
        <translation>磁碟已滿。請釋放一些空間，或在「設定 ▸ 一般」中選擇其他資料夾。</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Não há link na área de transferência.</source>
        <translation>剪貼簿中沒有連結。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/DropFrame.qml"/>
        <source>Não há link neste texto</source>
        <translation>此文字中沒有連結</translation>
    </message>
    <message>
        <location filename="../../root/downloader.cpp"/>
        <source>Não há links em %@.</source>
        <translation>%@ 中沒有連結。</translation>
    </message>
    <message>
        <location filename="../../ui/inputcardmodel.cpp"/>
        <source>Não há um link neste texto. Cole um endereço que comece com http:// ou https://.</source>
        <translation>此文字中沒有連結。請貼上以 http:// 或 https:// 開頭的網址。</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Não há versão anterior do yt-dlp.</source>
        <translation>沒有上一個 yt-dlp。</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Não se sabe se há um yt-dlp mais novo.</source>
        <translation>無法確定是否有更新的 yt-dlp。</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>Não usar</source>
        <translation>不使用</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Não usar o arquivo</source>
        <translation>不使用檔案</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não é um link que se possa seguir: %@</source>
        <translation>不是可以追蹤的連結：%@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>O Deno %@ precisa ser atualizado: as versões novas do yt-dlp exigem o Deno %d.%d ou mais novo para alguns sites.</source>
        <translation>Deno %@ 需要更新：較新的 yt-dlp 版本在某些網站上需要 Deno %d.%d 或更新版本。</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>O Deno precisa ser atualizado</source>
        <translation>Deno 需要更新</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>O Vireloom aberto verifica agora todas as fontes seguidas.</source>
        <translation>讓正在執行的 Vireloom 立即檢查所有追蹤的來源。</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O Vireloom baixa um link http ou https por vez, e este não é um.</source>
        <translation>Vireloom 一次只能下載一個 http 或 https 連結，而這不是此類連結。</translation>
    </message>
    <message>
        <location filename="../../app/main.cpp"/>
        <source>O Vireloom continua baixando em segundo plano. Abra o Vireloom de novo para ver a janela.</source>
        <translation>Vireloom 會在背景繼續下載。再次開啟 Vireloom 即可看到其視窗。</translation>
    </message>
    <message>
        <location filename="../../host/browserhost.cpp"/>
        <source>O Vireloom está aberto, mas não respondeu. Tente de novo em um instante.</source>
        <translation>Vireloom 已開啟，但沒有回應。請稍後再試。</translation>
    </message>
    <message>
        <location filename="../../host/browserhost.cpp"/>
        <source>O Vireloom não abriu a tempo. Tente de novo.</source>
        <translation>Vireloom 未能及時開啟。請再試一次。</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O Vireloom não conhece este pedido do navegador. Atualize o Vireloom ou a extensão.</source>
        <translation>Vireloom 無法辨識瀏覽器的這項請求。請更新 Vireloom 或擴充功能。</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O Vireloom não entendeu a mensagem do navegador.</source>
        <translation>Vireloom 無法讀取瀏覽器的訊息。</translation>
    </message>
    <message>
        <location filename="../../app/main.cpp"/>
        <source>O Vireloom não está aberto: não há o que verificar.</source>
        <translation>Vireloom 未在執行：沒有可檢查的內容。</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O arquivo de cookies não existe ou não pode ser lido.</source>
        <translation>Cookie 檔案不存在或無法讀取。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O arquivo de cookies “%@” não pôde ser lido. Escolha outro em Ajustes ▸ Conexão.</source>
        <translation>無法讀取 Cookie 檔案「%@」。請在「設定 ▸ 連線」中選擇其他檔案。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O download falhou.</source>
        <translation>下載失敗。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O download falhou. Última mensagem do yt-dlp: %@</source>
        <translation>下載失敗。yt-dlp 的最後一則訊息：%@</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O início precisa vir antes do fim.</source>
        <translation>開始時間必須早於結束時間。</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O login que o navegador mandou não pôde ser lido; nada foi baixado.</source>
        <translation>無法讀取瀏覽器傳送的登入資訊；未下載任何內容。</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O navegador mandou uma mensagem grande demais para o Vireloom.</source>
        <translation>瀏覽器傳送給 Vireloom 的訊息過大。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O nome não pode ficar vazio.</source>
        <translation>名稱不能為空白。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O nome precisa ficar dentro da pasta de downloads.</source>
        <translation>名稱必須位於下載資料夾內。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O nome precisa terminar em .%(ext)s.</source>
        <translation>名稱必須以 .%(ext)s 結尾。</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo %@ não respondeu com uma versão e foi removido.</source>
        <translation>新的 %@ 沒有回報版本號，已將其移除。</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo %@ não respondeu com uma versão; o anterior foi reposto.</source>
        <translation>新的 %@ 沒有回報版本號；已還原上一個版本。</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo yt-dlp não respondeu com uma versão e foi removido.</source>
        <translation>新的 yt-dlp 沒有回報版本號，已將其移除。</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo yt-dlp não respondeu com uma versão; o anterior foi reposto.</source>
        <translation>新的 yt-dlp 沒有回報版本號；已還原上一個版本。</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>O programa que recebe os links do navegador (vireloom-browser-host) não foi encontrado junto do Vireloom.</source>
        <translation>在 Vireloom 所在位置找不到從瀏覽器接收連結的程式（vireloom-browser-host）。</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>O proxy definido em Ajustes não respondeu.</source>
        <translation>設定中的代理伺服器沒有回應。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>O que é novo</source>
        <translation>新內容</translation>
    </message>
    <message>
        <source>O seu yt-dlp, %@, tem %d dias e não consegui ver se há outro.</source>
        <translation type="vanished">您的 yt-dlp %@ 已是 %d 天前的版本，且無法檢查是否有更新的版本。</translation>
    </message>
    <message>
        <location filename="../../platform/autostart.cpp"/>
        <source>O sistema não consegue iniciar um programa neste caminho: %@</source>
        <translation>桌面環境無法啟動此路徑下的程式：%@</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>O site de versões (%@) não respondeu a tempo.</source>
        <translation>發行網站（%@）未及時回應。</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>O site de versões (%@) recusou a conexão.</source>
        <translation>發行網站（%@）拒絕了連線。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site demorou demais para responder. Tente de novo em alguns minutos.</source>
        <translation>網站回應時間過長。請過幾分鐘再試。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site está com problemas no momento (erro do servidor). Tente de novo mais tarde.</source>
        <translation>網站目前發生問題（伺服器錯誤）。請稍後再試。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site limitou as requisições (429). Espere alguns minutos ou use o login do navegador.</source>
        <translation>網站正在限制請求頻率（429）。請等候幾分鐘，或使用瀏覽器的登入資訊。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site mudou e este yt-dlp não o entende mais. Atualize o yt-dlp em Ajustes ▸ Motor.</source>
        <translation>網站已改版，目前的 yt-dlp 已無法解讀。請在「設定 ▸ 引擎」中更新 yt-dlp。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site negou o acesso a este endereço (403). Talvez ele exija login ou não esteja disponível para você.</source>
        <translation>網站拒絕存取此網址（403）。可能需要登入，或者您無法存取該內容。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site não tem esta página ou este arquivo (não existe ou foi removido). Confira o link.</source>
        <translation>網站上沒有此頁面或檔案（不存在或已被刪除）。請檢查連結。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site pediu login/verificação. Em Ajustes ▸ Formato, escolha um navegador em “Usar login do navegador”.</source>
        <translation>網站要求登入或驗證。請在「設定 ▸ 格式」的「使用瀏覽器的登入資訊」中選擇一個瀏覽器。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>O site pediu uma pausa: tentando de novo mais tarde</source>
        <translation>網站要求暫停：稍後再試</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>O site pediu uma pausa: verificando a cada %ld h</source>
        <translation>網站要求暫停：每 %ld 小時檢查一次</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site recusou a conexão. Ele pode estar fora do ar; tente de novo mais tarde.</source>
        <translation>網站拒絕了連線。它可能已停止服務；請稍後再試。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>O título do vídeo (padrão)</source>
        <translation>影片標題（預設）</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>O yt-dlp está na versão mais recente.</source>
        <translation>yt-dlp 已是最新版本。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O yt-dlp leria este caminho de outro jeito (troca “$nome” por variáveis e corta espaços nas pontas): escolha outra pasta.</source>
        <translation>yt-dlp 會以不同方式解讀此路徑（它會將「$name」替換為變數，並去除兩端的空白）：請選擇其他資料夾。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>O yt-dlp não conseguiu listar esta fonte</source>
        <translation>yt-dlp 無法列出此來源的內容</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>O yt-dlp pode estar desatualizado</source>
        <translation>yt-dlp 可能已過時</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O yt-dlp precisa do Deno para este site. Instale o Deno em Ajustes ▸ Motor.</source>
        <translation>對於此網站，yt-dlp 需要 Deno。請在「設定 ▸ 引擎」中安裝 Deno。</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O yt-dlp publicado (%@) é mais antigo que o instalado (%@); nada foi trocado.</source>
        <translation>已發布的 yt-dlp（%@）比已安裝的版本（%@）更舊；未取代任何內容。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Opção desconhecida: %@</source>
        <translation>未知的選項：%@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Opções</source>
        <translation>選項</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Opções do download</source>
        <translation>下載選項</translation>
    </message>
    <message>
        <location filename="../../ui/historyview.cpp"/>
        <source>Os downloads concluídos aparecem aqui.</source>
        <translation>已完成的下載會顯示在這裡。</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Os pacotes da extensão não estão junto deste Vireloom.</source>
        <translation>擴充功能的套件未隨此 Vireloom 安裝。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Os sites mudam com frequência. Se algo que funcionava começar a falhar, atualize o yt-dlp.</source>
        <translation>網站經常變動。如果原本可以下載的內容開始失敗，請更新 yt-dlp。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <source>Outro programa pediu um link da sua rede local (%@). Baixar mesmo assim?</source>
        <translation>另一個程式要求下載您區域網路中的連結（%@）。仍要下載嗎？</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Para links enviados por outros programas, pela área de transferência ou pelo menu. O campo de link guarda a própria escolha.</source>
        <translation>適用於其他程式傳送的連結，以及來自剪貼簿或選單的連結。連結欄位會保留自己的選擇。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Para quando o login do navegador falha: um cookies.txt exportado.</source>
        <translation>在瀏覽器的登入資訊無效時使用：匯出的 cookies.txt。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Para vídeos que exigem conta (Instagram, privados).</source>
        <translation>適用於需要帳號的影片（Instagram、私人影片）。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Pasta de cima</source>
        <translation>上層資料夾</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Patrocínio</source>
        <translation>贊助</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Pausa entre itens da playlist</source>
        <translation>播放清單項目之間的間隔</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Pausa entre pedidos</source>
        <translation>請求之間的間隔</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Pausada</source>
        <translation>已暫停</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Pausar</source>
        <translation>暫停</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Pedaços baixados ao mesmo tempo quando o vídeo vem em partes, como na maioria dos sites.</source>
        <translation>影片分段傳輸時（大多數網站都是如此）同時擷取的片段數。</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Pedido de interação</source>
        <translation>互動提醒</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Pela qualidade escolhida</source>
        <translation>依所選畫質</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Playlist</source>
        <translation>播放清單</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Playlist inteira</source>
        <translation>整個播放清單</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Playlist · %ld</source>
        <translation>播放清單 · %ld</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Playlist · %ld de %ld</source>
        <translation>播放清單 · %ld / %ld</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Por download, como 500K ou 2M. Vazio: sem limite.</source>
        <translation>每個下載個別限制，例如 500K 或 2M。留空：不限制。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Preferir H.264</source>
        <translation>優先使用 H.264</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Procurar versões novas do yt-dlp</source>
        <translation>檢查 yt-dlp 新版本</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Progresso</source>
        <translation>進度</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Pronto</source>
        <translation>完成</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Pronto: %@. Agora adicione a extensão.</source>
        <translation>完成：%@。現在加入擴充功能。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Proxy</source>
        <translation>代理伺服器</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Prévia</source>
        <translation>預告或回顧</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Próxima: %@</source>
        <translation>下次：%@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Pular o que já foi baixado</source>
        <translation>略過已下載的內容</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/QualityMenu.qml"/>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Qualidade</source>
        <translation>畫質</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Qualidade desconhecida: %@</source>
        <translation>未知的畫質：%@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Qualidade padrão</source>
        <translation>預設畫質</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Quando o login de um navegador resolve um download, o site passa a usá-lo logo de início.</source>
        <translation>當某個瀏覽器的登入讓下載成功後，該網站之後會一開始就使用它。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Quando você copia um link e volta para o Vireloom</source>
        <translation>當您複製連結後回到 Vireloom 時</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Remover</source>
        <translation>移除</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Remover da lista</source>
        <translation>從清單中移除</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Remover do histórico</source>
        <translation>從歷史紀錄中移除</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <source>Removido dos navegadores:</source>
        <translation>已從下列瀏覽器移除：</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Retomar</source>
        <translation>繼續</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>Retomar todos</source>
        <translation>全部繼續</translation>
    </message>
    <message>
        <location filename="../../app/trayicon.cpp"/>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Sair</source>
        <translation>結束</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/QuitDialog.qml"/>
        <source>Sair mesmo assim</source>
        <translation>仍要結束</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Salvar em</source>
        <translation>儲存至</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Salve vídeo ou áudio de links como arquivos</source>
        <translation>將連結中的影片或音訊儲存為檔案</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Se o link fizer parte de uma playlist, baixa todos os vídeos dela</source>
        <translation>如果連結屬於某個播放清單，則下載其中的所有影片</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/shell/QuitDialog.qml"/>
        <source>Se sair agora, ele será interrompido.|Se sair agora, eles serão interrompidos.</source>
        <translation>
            <numerusform>如果現在結束，下載將會停止。</numerusform>
        </translation>
    </message>
    <message>
        <source>Se sair agora, eles serão interrompidos.</source>
        <translation type="vanished">如果現在結束，這些下載將會停止。</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Segue um canal, playlist ou feed a partir de agora; com o Vireloom fechado, fica para a próxima vez que ele abrir.</source>
        <translation>從現在起追蹤某個頻道、播放清單或訂閱源；如果 Vireloom 未在執行，會保留到下次啟動時處理。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Seguindo</source>
        <translation>追蹤中</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Seguindo: a primeira leitura já começou.</source>
        <translation>已追蹤：首次讀取已開始。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Seguir</source>
        <translation>追蹤</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Segundos antes de cada item.</source>
        <translation>每個項目開始前等待的秒數。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Segundos. Sites limitam quem pede rápido demais.</source>
        <translation>秒。請求過快的使用者會被網站限速。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Sem abrir a janela: as fontes seguidas e a fila continuam trabalhando.</source>
        <translation>不開啟視窗：追蹤的來源和佇列會繼續運作。</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>Sem conexão com a internet: o site de versões (%@) não pôde ser alcançado.</source>
        <translation>沒有網路連線：無法連上發行網站（%@）。</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Sem dados há %ld min</source>
        <translation>%ld 分鐘沒有資料</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Siga canais, playlists e feeds: cada novidade entra na fila com as escolhas da fonte.</source>
        <translation>追蹤頻道、播放清單和訂閱源：每個新項目都會依該來源的選擇加入佇列。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Site não encontrado: este endereço não existe. Confira o link.</source>
        <translation>找不到網站：此網址不存在。請檢查連結。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/DropFrame.qml"/>
        <source>Solte o link para baixar</source>
        <translation>拖放連結即可下載</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Substituir</source>
        <translation>取代</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Substituir o arquivo que está na pasta?</source>
        <translation>要取代您資料夾中的檔案嗎？</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Sugerir links copiados</source>
        <translation>建議已複製的連結</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Só a lista é apagada — os arquivos baixados continuam na pasta.</source>
        <translation>只會清除清單 — 已下載的檔案仍會保留在資料夾中。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Só áudio</source>
        <translation>僅音訊</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Só áudio — M4A</source>
        <translation>僅音訊 — M4A</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Só áudio — MP3</source>
        <translation>僅音訊 — MP3</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Também os últimos %ld|Também os últimos %ld</source>
        <translation>
            <numerusform>包括最近的 %ld 個</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Tentar a versão nightly</source>
        <translation>試用每夜建置版</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar com o login de:</source>
        <translation>使用以下登入重試：</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar de novo</source>
        <translation>重試</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar de novo com o login de %@</source>
        <translation>使用 %@ 的登入重試</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar de novo os que falharam</source>
        <translation>重試失敗的項目</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Tentar o %@ de novo</source>
        <translation>再次嘗試 %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Tocar som ao concluir</source>
        <translation>完成時播放提示音</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Todos</source>
        <translation>全部</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Todos os arquivos</source>
        <translation>所有檔案</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Total baixado</source>
        <translation>下載總量</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Tratando os trechos patrocinados</source>
        <translation>正在處理贊助片段</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Trecho</source>
        <translation>片段</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Tudo que já</source>
        <translation>來過這裡的</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Título do vídeo</source>
        <translation>影片標題</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Um código como en, de ou pt-BR. Vazio: a faixa original, senão a do idioma da interface.</source>
        <translation>語言代碼，例如 en、de 或 pt-BR。留空：使用原始音軌，若沒有則使用介面語言的音軌。</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <source>Um endereço vireloom: trouxe %ld link; nada foi adicionado.|Um endereço vireloom: trouxe %ld links de uma vez; só um é aceito, e nada foi adicionado.</source>
        <translation>
            <numerusform>一個 vireloom: 網址一次帶來了 %ld 個連結；只接受一個，因此未加入任何內容。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Um navegador Flatpak pode não ter permissão para abrir o Vireloom fora da sua área isolada.</source>
        <translation>Flatpak 版瀏覽器可能不允許在其沙箱之外開啟 Vireloom。</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Um nome de pasta não pode ser “.” nem “..”, nem ter “/”.</source>
        <translation>資料夾名稱不能是「.」或「..」，也不能包含「/」。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Uma playlist baixada de novo traz só os itens novos.</source>
        <translation>再次下載播放清單時，只會取得新增的項目。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Uma vez por dia</source>
        <translation>每天一次</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Uma vez por dia, sem baixar nada</source>
        <translation>每天一次，不會下載任何內容</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Uma vez por semana</source>
        <translation>每週一次</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Usar login do navegador</source>
        <translation>使用瀏覽器的登入資訊</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use códigos de idioma separados por vírgula, como en.*,pt.</source>
        <translation>請使用以逗號分隔的語言代碼，例如 en.*,pt。</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Use tempos como 90, 1:30 ou 1:02:03.</source>
        <translation>請使用 90、1:30 或 1:02:03 這樣的時間格式。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use um código de idioma como en, de ou pt-BR.</source>
        <translation>請使用 en、de 或 pt-BR 這樣的語言代碼。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use um endereço como socks5://127.0.0.1:1080 ou http://proxy:8080.</source>
        <translation>請使用類似 socks5://127.0.0.1:1080 或 http://proxy:8080 的位址。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <location filename="../../ui/appsettings.cpp"/>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Use um limite como 500K ou 2M (bytes por segundo).</source>
        <translation>請使用 500K 或 2M 這樣的限制值（位元組/秒）。</translation>
    </message>
    <message>
        <source>Use um limite de velocidade maior que zero.</source>
        <translation type="vanished">請使用大於零的速度限制。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use um número de segundos entre 0 e 600.</source>
        <translation>請使用 0 到 600 之間的秒數。</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Uso: vireloom [opções] [endereço…]</source>
        <translation>用法：vireloom [選項] [網址…]</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Ver log</source>
        <translation>檢視日誌</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Verificando só desta vez: a fonte continua pausada</source>
        <translation>僅檢查這一次：該來源仍保持暫停</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Verificando…</source>
        <translation>正在檢查…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Verificar agora</source>
        <translation>立即檢查</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Verificar todas</source>
        <translation>全部檢查</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Versões do yt-dlp</source>
        <translation>yt-dlp 發行通道</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Você ainda não segue nada.</source>
        <translation>您尚未追蹤任何內容。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Você já segue este link.</source>
        <translation>您已追蹤此連結。</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Voltando ao yt-dlp anterior…</source>
        <translation>正在還原為上一個 yt-dlp…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Voltar ao yt-dlp %@</source>
        <translation>還原為 yt-dlp %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Voltar ao yt-dlp anterior</source>
        <translation>還原為上一個 yt-dlp</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Voltar à pasta padrão</source>
        <translation>還原為預設資料夾</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Vídeo privado.</source>
        <translation>私人影片。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>YouTube, Instagram, Vimeo, X, TikTok e mais de mil sites. Em até 4K, ou só o áudio.</source>
        <translation>YouTube、Instagram、Vimeo、X、TikTok 等一千多個網站。最高 4K，也可以只要音訊。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>a estrela traz.</source>
        <translation>星星為您送達。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>agora</source>
        <translation>現在</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>arquivo movido</source>
        <translation>檔案已移動</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>caiu por aqui.</source>
        <translation>全都在這兒。</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>cerca de %@</source>
        <translation>約 %@</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>cerca de %@, sem o tamanho de %ld</source>
        <translation>約 %@（另有 %ld 項大小未知）</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>chega sozinho.</source>
        <translation>自動送達。</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>com o login de %@</source>
        <translation>使用 %@ 的登入</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>com o login do seu navegador</source>
        <translation>使用你瀏覽器的登入</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>como nos ajustes</source>
        <translation>與設定相同</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>endereço</source>
        <translation>網址</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>faltam %@</source>
        <translation>剩餘 %@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>ffmpeg junta vídeo e áudio e converte para MP3.</source>
        <translation>ffmpeg 負責合併影像和音訊，並轉換為 MP3。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>fim</source>
        <translation>結束</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>instalado</source>
        <translation>已安裝</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>início</source>
        <translation>開始</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>item %@</source>
        <translation>項目 %@</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <location filename="../../ui/settingsview.cpp"/>
        <source>não encontrado</source>
        <translation>找不到</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>original</source>
        <translation>原始</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SettingsPage.qml"/>
        <source>sem complicação.</source>
        <translation>輕鬆省事。</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>sem o login do navegador: ele não fica guardado quando o Vireloom fecha</source>
        <translation>沒有瀏覽器的登入：Vireloom 關閉時不會保留它</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>sem áudio</source>
        <translation>無音訊</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>só vídeo</source>
        <translation>僅影像</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>só áudio</source>
        <translation>僅音訊</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>tamanho desconhecido</source>
        <translation>大小未知</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ de volta ✓</source>
        <translation>已還原為 yt-dlp %@ ✓</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ foi deixado de lado depois de falhar; nada foi trocado.</source>
        <translation>yt-dlp %@ 失敗後已被擱置；未取代任何內容。</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ instalado e verificado ✓</source>
        <translation>yt-dlp %@ 已安裝並通過驗證 ✓</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ já saiu; o instalado é o %@.</source>
        <translation>yt-dlp %@ 已發布；已安裝的是 %@。</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ já saiu; o instalado, %@, tem %d dias.</source>
        <translation>yt-dlp %@ 已發布；已安裝的 %@ 已是 %d 天前的版本。</translation>
    </message>
    <message>
        <source>yt-dlp %@ já saiu; o seu é o %@.</source>
        <translation type="vanished">yt-dlp %@ 已發布；您使用的是 %@。</translation>
    </message>
    <message>
        <source>yt-dlp %@ já saiu; o seu, %@, tem %d dias.</source>
        <translation type="vanished">yt-dlp %@ 已發布；您使用的 %@ 已是 %d 天前的版本。</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ já é a versão mais recente</source>
        <translation>yt-dlp %@ 已是最新版本</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ tem %d dias; não foi possível verificar se há uma versão mais nova.</source>
        <translation>yt-dlp %@ 已是 %d 天前的版本；無法檢查是否有更新的版本。</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ é a versão mais recente.</source>
        <translation>yt-dlp %@ 是最新版本。</translation>
    </message>
    <message>
        <source>yt-dlp + ffmpeg + Deno (código aberto). Baixa ~150 MB uma única vez.</source>
        <translation type="vanished">yt-dlp + ffmpeg + Deno（開放原始碼）。只需下載一次，約 150 MB。</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>yt-dlp deixado de lado (falhou onde o outro funcionou): %@</source>
        <translation>已擱置的 yt-dlp（在另一個版本能正常運作時失敗了）：%@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp faz os downloads.</source>
        <translation>yt-dlp 負責下載。</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>yt-dlp que funcionou por último: %@</source>
        <translation>最後一個正常運作的 yt-dlp：%@</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>yt-dlp saiu com código %d</source>
        <translation>yt-dlp 已結束，結束代碼為 %d</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Áudio</source>
        <translation>音訊</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Última verificação: %@</source>
        <translation>上次檢查：%@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Último</source>
        <translation>最近</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ClockField.qml"/>
        <source>“%@” não é um horário: use, por exemplo, 01:00.</source>
        <translation>「%@」不是有效的時間：請使用例如 01:00 的格式。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>“Manter os dois” salva o novo download com outro nome; “Substituir” manda o arquivo atual para a lixeira.</source>
        <translation>「保留兩者」會以另一個名稱儲存新的下載；「取代」會將現有檔案移到垃圾桶。</translation>
    </message>
</context>
</TS>
