<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="pt_BR">
<context>
    <name>Vireloom</name>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>%@ %@ já saiu; o instalado é o %@.</source>
        <translation>%@ %@ が公開されています。インストール済みは %@ です。</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>%@ foi deixado de lado</source>
        <translation>%@ は保留中です</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>%@ não consta em %@</source>
        <translation>%@ は %@ に記載されていません</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>%@ não está mais na pasta. Use “Baixar de novo” para buscá-lo outra vez.</source>
        <translation>%@ はフォルダーにもうありません。「再ダウンロード」で取得し直せます。</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>%@ não traz uma assinatura válida da chave de lançamento do yt-dlp</source>
        <translation>%@ には yt-dlp のリリース鍵による有効な署名がありません</translation>
    </message>
    <message>
        <location filename="../../intake/linkfile.cpp"/>
        <source>%@ é grande demais para uma lista de links.</source>
        <translation>%@ はリンクの一覧としては大きすぎます。</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>%ld de %ld escolhidos</source>
        <translation>%ld / %ld 件を選択</translation>
    </message>
    <message numerus="yes">
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>%ld download concluído|%ld downloads concluídos</source>
        <translation>
            <numerusform>%ld 件のダウンロードが完了</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>%ld download foi interrompido|%ld downloads foram interrompidos</source>
        <translation>
            <numerusform>%ld 件のダウンロードが中断されました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/shell.cpp"/>
        <source>%ld download|%ld downloads</source>
        <translation>
            <numerusform>%ld 件のダウンロード</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/playlistplan.cpp"/>
        <source>%ld indisponível|%ld indisponíveis</source>
        <translation>
            <numerusform>%ld 件は利用不可</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>%ld item aponta para a sua rede local|%ld itens apontam para a sua rede local</source>
        <translation>
            <numerusform>%ld 件の項目がローカルネットワークを指しています</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/queuesummary.cpp"/>
        <source>%ld item|%ld itens</source>
        <translation>
            <numerusform>%ld 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../root/downloader.cpp"/>
        <source>%ld já estava na fila|%ld já estavam na fila</source>
        <translation>
            <numerusform>%ld 件はすでにキューにあります</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../root/downloader.cpp"/>
        <source>%ld link adicionado|%ld links adicionados</source>
        <translation>
            <numerusform>%ld 件のリンクを追加しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../root/downloader.cpp"/>
        <source>%ld novo de %@|%ld novos de %@</source>
        <translation>
            <numerusform>%ld 件の新着（%@）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>%ld novo|%ld novos</source>
        <translation>
            <numerusform>新着 %ld 件</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 12 horas</source>
        <translation>12時間ごと</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 15 minutos</source>
        <translation>15分ごと</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 3 horas</source>
        <translation>3時間ごと</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 6 horas</source>
        <translation>6時間ごと</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada hora</source>
        <translation>1時間ごと</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>A conexão caiu antes do fim do download. “Tentar de novo” continua de onde parou.</source>
        <translation>ダウンロードの完了前に接続が切れました。「再試行」で中断したところから続けます。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>A conexão pelo proxy definido em Ajustes falhou. Confira o endereço do proxy ou deixe o campo vazio.</source>
        <translation>設定のプロキシ経由の接続に失敗しました。プロキシのアドレスを確認するか、欄を空にしてください。</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>A conexão segura com %@ falhou.</source>
        <translation>%@ との安全な接続に失敗しました。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>A lista de downloads salva não pôde ser lida e foi guardada à parte.</source>
        <translation>保存されたダウンロード一覧を読み込めなかったため、別に保管しました。</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>A mensagem do navegador tem o campo “%@” com um valor do tipo errado.</source>
        <translation>ブラウザーのメッセージの「%@」欄の値の型が正しくありません。</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>A parte pedida começa depois do fim do vídeo, que dura %@.</source>
        <translation>指定した区間は動画の終わり（長さ %@）より後から始まります。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>A pasta precisa ser um caminho absoluto, sem caracteres de controle.</source>
        <translation>フォルダーは制御文字を含まない絶対パスである必要があります。</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>A qualidade dos downloads de --follow: best, p2160, p1440, p1080, p720, p480, mp3 ou m4a.</source>
        <translation>--follow のダウンロードの画質: best、p2160、p1440、p1080、p720、p480、mp3、m4a。</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>A soma SHA-256 de %@ não confere com %@</source>
        <translation>%@ の SHA-256 が %@ と一致しません</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Abertura</source>
        <translation>イントロ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Abra, mostre na pasta ou baixe de novo qualquer coisa que passou pelo Vireloom.</source>
        <translation>Vireloom を通ったものは何でも、開く・フォルダーで表示・再ダウンロードができます。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Abre direto na maioria dos players e editores, sem converter</source>
        <translation>ほとんどのプレーヤーや編集ソフトで変換なしでそのまま開けます</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Abrir</source>
        <translation>開く</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Abrir a pasta da extensão</source>
        <translation>拡張機能のフォルダーを開く</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Abrir ajustes</source>
        <translation>設定を開く</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Abrir no navegador e enviar de novo</source>
        <translation>ブラウザーで開いてもう一度送る</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Abrir pasta</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Acesso negado (403). Tente Ajustes ▸ Motor ▸ Atualizar yt-dlp.</source>
        <translation>アクセスが拒否されました (403)。設定 ▸ エンジン ▸ yt-dlp を更新 を試してください。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Aguardando a primeira leitura</source>
        <translation>最初の読み込みを待っています</translation>
    </message>
    <message>
        <location filename="../../engine/downloadwindow.cpp"/>
        <source>Aguardando até %@</source>
        <translation>%@ まで待機中</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Ainda não configurados: %@</source>
        <translation>未設定: %@</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Ajustar o proxy</source>
        <translation>プロキシを調整</translation>
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
        <translation>Cookie ファイル</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Arquivos</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Arquivos de cookies</source>
        <translation>Cookie ファイル</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Arquivos de texto</source>
        <translation>テキストファイル</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Atualizar %@</source>
        <translation>%@ を更新</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Atualizar ffmpeg e Deno</source>
        <translation>ffmpeg と Deno を更新</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Atualizar yt-dlp</source>
        <translation>yt-dlp を更新</translation>
    </message>
    <message>
        <source>Aumentar</source>
        <translation type="vanished">増やす</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SecondsRow.qml"/>
        <location filename="../../ui/qml/settings/StepperRow.qml"/>
        <source>Aumentar %@ (agora %@)</source>
        <translation>%@ を増やす (現在 %@)</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Automáticas</source>
        <translation>自動生成</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Autopromoção</source>
        <translation>自己宣伝</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Baixa cada link de um arquivo de texto, com as escolhas do campo de link.</source>
        <translation>テキストファイル内の各リンクを、リンク欄の設定でダウンロードします。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Baixado</source>
        <translation>ダウンロード済み</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>Baixado com o yt-dlp %@, o último que funcionou: o %@ falhou e foi deixado de lado.</source>
        <translation>最後に動作した yt-dlp %@ でダウンロードしました。%@ は失敗したため保留にしました。</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Baixando</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Baixando Deno (necessário para o YouTube)…</source>
        <translation>Deno をダウンロード中（YouTube に必要）…</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Baixando ffmpeg…</source>
        <translation>ffmpeg をダウンロード中…</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Baixando yt-dlp…</source>
        <translation>yt-dlp をダウンロード中…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/ClipboardBanner.qml"/>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Baixar</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Baixar de novo</source>
        <translation>再ダウンロード</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Baixar link da área de transferência</source>
        <translation>クリップボードのリンクをダウンロード</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Baixar sem perguntar quando um endereço vireloom: aponta para este computador ou para a sua rede.</source>
        <translation>vireloom: アドレスがこのコンピューターやローカルネットワークを指すとき、確認せずにダウンロードします。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Botão no navegador</source>
        <translation>ブラウザのボタン</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Buscar por título, site ou link</source>
        <translation>タイトル、サイト、リンクで検索</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Canal</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Cancelado</source>
        <translation>キャンセル済み</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <location filename="../../ui/qml/shell/QuitDialog.qml"/>
        <source>Cancelar</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Capítulos</source>
        <translation>チャプター</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Chromium, Chrome, Brave, Vivaldi e Edge: em chrome://extensions, ligue o Modo do desenvolvedor, clique em “Carregar sem compactação” e escolha a pasta vireloom-chromium. Firefox e LibreWolf: em about:debugging ▸ Este Firefox, clique em “Carregar extensão temporária…” e escolha o vireloom-firefox.xpi.</source>
        <translation>Chromium、Chrome、Brave、Vivaldi、Edge: chrome://extensions でデベロッパー モードをオンにし、「パッケージ化されていない拡張機能を読み込む」をクリックして vireloom-chromium フォルダーを選びます。Firefox と LibreWolf: about:debugging ▸ この Firefox で「一時的なアドオンを読み込む…」をクリックして vireloom-firefox.xpi を選びます。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Cole acima o link de um canal, de uma playlist ou de um feed de podcast. O Vireloom verifica de tempos em tempos e baixa o que for novo.</source>
        <translation>上にチャンネル、プレイリスト、ポッドキャストのフィードのリンクを貼り付けてください。Vireloom が定期的に確認し、新着をダウンロードします。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Cole o link de um vídeo…</source>
        <translation>動画のリンクを貼り付け…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/EmptyCard.qml"/>
        <source>Cole um link acima, arraste um link para a janela
ou copie um link e volte para o Vireloom.</source>
        <translation>上にリンクを貼り付けるか、ウィンドウにドラッグするか、
リンクをコピーして Vireloom に戻ってください。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Cole um link,</source>
        <translation>リンクを貼れば、</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Como nos ajustes</source>
        <translation>設定どおり</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído</source>
        <translation>完了</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído com falhas · %ld de %ld</source>
        <translation>一部失敗して完了 · %ld / %ld</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído · %@</source>
        <translation>完了 · %@</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído · %ld arquivo|Concluído · %ld arquivos</source>
        <translation>
            <numerusform>完了 · %ld 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Conexão</source>
        <translation>接続</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Conexões paralelas por download</source>
        <translation>ダウンロードごとの同時接続数</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <source>Configurado nos navegadores:</source>
        <translation>次のブラウザーに設定しました:</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Configurados: %@</source>
        <translation>設定済み: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Configurar</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Configurar os navegadores para a extensão do Vireloom</source>
        <translation>Vireloom の拡張機能のためにブラウザーを設定</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Convertendo o vídeo</source>
        <translation>動画を変換中</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Convertendo para M4A</source>
        <translation>M4A に変換中</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Convertendo para MP3</source>
        <translation>MP3 に変換中</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar</source>
        <translation>コピー</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Copiar link</source>
        <translation>リンクをコピー</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/LogSheet.qml"/>
        <source>Copiar log</source>
        <translation>ログをコピー</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar o caminho da pasta da extensão</source>
        <translation>拡張機能のフォルダーのパスをコピー</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar o endereço para lançadores e terminal</source>
        <translation>ランチャーとターミナル用のアドレスをコピー</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar o favorito do navegador</source>
        <translation>ブラウザーのブックマークをコピー</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Corrigindo o arquivo</source>
        <translation>ファイルを修正中</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Criar</source>
        <translation>作成</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Crie um favorito e cole isto como endereço — ele envia a página atual para o Vireloom.</source>
        <translation>ブックマークを作成し、アドレスとしてこれを貼り付けてください — 表示中のページを Vireloom に送ります。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Ctrl+Shift+V baixa o link copiado</source>
        <translation>Ctrl+Shift+V でコピーしたリンクをダウンロード</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Daqui em diante</source>
        <translation>今後の分のみ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Das … às …</source>
        <translation>開始 … 終了 …</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Deixa os navegadores instalados enviarem links ao Vireloom pela extensão dele, e sai.</source>
        <translation>インストール済みのブラウザーが拡張機能を通じて Vireloom にリンクを送れるようにして終了します。</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Deixado como está, pois não foi escrito pelo Vireloom:</source>
        <translation>Vireloom が書いたものではないため、そのままにしました:</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Deixar de seguir</source>
        <translation>フォロー解除</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Deixar de seguir “%@”?</source>
        <translation>「%@」のフォローを解除しますか?</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Deixe vazio para conectar direto.</source>
        <translation>直接接続するには空欄のままにします。</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Deno: alguns sites, o YouTube entre eles, precisam dele.</source>
        <translation>Deno：YouTube など一部のサイトで必要です。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>Descartar</source>
        <translation>破棄</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Desfaz o que --register-browsers fez nos navegadores, e sai.</source>
        <translation>--register-browsers がブラウザーに加えた変更を元に戻して終了します。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Desligado</source>
        <translation>オフ</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Destaque</source>
        <translation>見どころ</translation>
    </message>
    <message>
        <source>Diminuir</source>
        <translation type="vanished">減らす</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SecondsRow.qml"/>
        <location filename="../../ui/qml/settings/StepperRow.qml"/>
        <source>Diminuir %@ (agora %@)</source>
        <translation>%@ を減らす (現在 %@)</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Dividindo em capítulos</source>
        <translation>チャプターに分割中</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Dividir em capítulos não funciona junto com um trecho de tempo: escolha um dos dois.</source>
        <translation>チャプター分割は時間範囲と一緒には使えません。どちらか一方を選んでください。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Dividir por capítulos</source>
        <translation>チャプターで分割</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SettingsPage.qml"/>
        <source>Do seu jeito,</source>
        <translation>あなた好みに、</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Downloads</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Downloads ao mesmo tempo</source>
        <translation>同時ダウンロード数</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Downloads só começam entre estes horários, tanto os das fontes seguidas quanto os links. O que já está baixando não é interrompido.</source>
        <translation>フォロー中のソースもリンクも、ダウンロードはこの時間帯にだけ始まります。実行中のダウンロードは中断されません。</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Dê um nome à nova pasta.</source>
        <translation>新しいフォルダーに名前を付けてください。</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Ele falhou onde o %@ funcionou; os downloads seguem com esse até sair uma versão mais nova.</source>
        <translation>%@ では成功した処理で失敗しました。新しいバージョンが出るまでそちらを使います。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Em dia</source>
        <translation>最新</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Embutindo a miniatura</source>
        <translation>サムネイルを埋め込み中</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Embutindo as legendas</source>
        <translation>字幕を埋め込み中</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Embutir legendas</source>
        <translation>字幕を埋め込む</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Embutir miniatura como capa</source>
        <translation>サムネイルをカバーとして埋め込む</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Encerramento</source>
        <translation>エンディング</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Endereços vireloom: ou links para baixar; com o Vireloom já aberto, vão para a janela dele.</source>
        <translation>vireloom: アドレスまたはダウンロードするリンク。Vireloom がすでに起動していれば、そのウィンドウに送られます。</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Enrolação</source>
        <translation>余談</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escolha ao menos um item da playlist.</source>
        <translation>プレイリストの項目を1つ以上選んでください。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escolha ao menos uma categoria.</source>
        <translation>カテゴリーを1つ以上選んでください。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escolha o formato outra vez na lista.</source>
        <translation>一覧から形式を選び直してください。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <source>Escolha um vídeo e um áudio para juntar, ou um formato que já tem os dois.</source>
        <translation>結合する映像と音声を選ぶか、両方を含む形式を選んでください。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Escolher</source>
        <translation>選択</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Escolher a pasta desta fonte</source>
        <translation>このソースのフォルダーを選択</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Escolher a pasta dos downloads</source>
        <translation>ダウンロード先フォルダーを選択</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Escolher itens</source>
        <translation>項目を選ぶ</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Escolher navegador</source>
        <translation>ブラウザを選択</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Escolher o arquivo de cookies</source>
        <translation>Cookie ファイルを選ぶ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Escolher…</source>
        <translation>選択…</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escreva um campo com %( e )s em volta do nome, como em %(title)s. Nomes que você pode usar: title, uploader, upload_date, id, height, playlist_index, playlist_title, ext.</source>
        <translation>フィールドは %(title)s のように、名前を %( と )s で囲んで書きます。使える名前: title, uploader, upload_date, id, height, playlist_index, playlist_title, ext。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Escritas</source>
        <translation>字幕</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Esquecer o login de %@</source>
        <translation>%@ のログインを忘れる</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Essa qualidade não existe para este vídeo — tente “Melhor qualidade”.</source>
        <translation>この動画にはその画質がありません — 「最高画質」を試してください。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Esta pasta está vazia.</source>
        <translation>このフォルダーは空です。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Este link leva para a sua rede local, e links vindos de fora não podem chegar a ela. Se você confia nele, cole o link na janela.</source>
        <translation>このリンクはローカルネットワークを指しています。外部から来たリンクはそこにアクセスできません。信頼できる場合は、リンクをウィンドウに貼り付けてください。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Este link não pode ser seguido: use o endereço (http ou https) de um canal, uma playlist ou um feed.</source>
        <translation>このリンクはフォローできません。チャンネル、プレイリスト、フィードのアドレス (http または https) を使ってください。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Este link não é suportado (não achei vídeo nele).</source>
        <translation>このリンクには対応していません（動画が見つかりません）。</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Este link não é uma playlist.</source>
        <translation>このリンクはプレイリストではありません。</translation>
    </message>
    <message>
        <location filename="../../host/main.cpp"/>
        <source>Este programa é iniciado pelo navegador para a extensão do Vireloom; não é para ser aberto à mão.</source>
        <translation>このプログラムは Vireloom の拡張機能のためにブラウザーが起動します。手動で開くものではありません。</translation>
    </message>
    <message>
        <source>Este yt-dlp tem mais de %d dias e não consegui ver se há outro.</source>
        <translation type="vanished">この yt-dlp は %d 日以上前のもので、新しいものがあるか確認できませんでした。</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Este yt-dlp tem mais de %d dias; não foi possível verificar se há uma versão mais nova.</source>
        <translation>この yt-dlp は %d 日以上前のものです。新しいバージョンの有無を確認できませんでした。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Estes sites usam logo de início o login de navegador que resolveu um download deles.</source>
        <translation>これらのサイトでは、ダウンロードが通ったブラウザーのログインを最初から使います。</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>Estável</source>
        <translation>安定版</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Extensão do navegador</source>
        <translation>ブラウザー拡張機能</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Faixa de áudio</source>
        <translation>音声トラック</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Falha ao descompactar %@: %@</source>
        <translation>%@ を展開できませんでした: %@</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Falhou: %@</source>
        <translation>失敗: %@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Falta instalar o motor de download</source>
        <translation>ダウンロードエンジンがインストールされていません</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Falta o Deno</source>
        <translation>Deno がありません</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Falta o ffmpeg</source>
        <translation>ffmpeg がありません</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Falta o ffmpeg para juntar ou converter o arquivo. Instale o que falta em Ajustes ▸ Motor.</source>
        <translation>ファイルの結合や変換に必要な ffmpeg がありません。設定 ▸ エンジン で足りないものをインストールしてください。</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Faltam componentes do motor</source>
        <translation>エンジンのコンポーネントが足りません</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/LogSheet.qml"/>
        <location filename="../../ui/qml/shell/NoticeBar.qml"/>
        <source>Fechar</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Fila</source>
        <translation>キュー</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Fim da janela</source>
        <translation>終了時刻</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Finalizando</source>
        <translation>仕上げ中</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Finalizando — juntando áudio e vídeo…</source>
        <translation>仕上げ中 — 音声と映像を結合しています…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Formato</source>
        <translation>形式</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <source>Formatos</source>
        <translation>形式</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Frequência</source>
        <translation>確認間隔</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Geral</source>
        <translation>一般</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Gravando os metadados</source>
        <translation>メタデータを書き込み中</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Gravar título e autor nos metadados</source>
        <translation>タイトルと作者をメタデータに書き込む</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>HTTP %ld ao baixar %@</source>
        <translation>HTTP %ld（%@ のダウンロード中）</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Histórico</source>
        <translation>履歴</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Horas como 01:00. Se o fim vem antes do início, a janela passa da meia-noite.</source>
        <translation>01:00 のような時刻。終了が開始より前なら、深夜 0 時をまたぎます。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Horários</source>
        <translation>スケジュール</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/shell.cpp"/>
        <source>Há %ld download em andamento|Há %ld downloads em andamento</source>
        <translation>
            <numerusform>%ld 件のダウンロードが進行中です</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Há um %@ mais novo</source>
        <translation>新しい %@ があります</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Há um %@ mais novo: %@ (este é %@).</source>
        <translation>新しい %@ があります: %@（現在は %@）。</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Há um yt-dlp mais novo</source>
        <translation>新しい yt-dlp があります</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Há um yt-dlp mais novo: %@ (este é %@).</source>
        <translation>新しい yt-dlp があります: %@（現在は %@）。</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Há versões novas do ffmpeg e do Deno</source>
        <translation>ffmpeg と Deno の新しいバージョンがあります</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Idioma do áudio</source>
        <translation>音声の言語</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Idiomas das legendas</source>
        <translation>字幕の言語</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/ClipboardBanner.qml"/>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Ignorar</source>
        <translation>無視</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Importar</source>
        <translation>読み込む</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Importar links de um arquivo</source>
        <translation>ファイルからリンクを読み込む</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Importar links…</source>
        <translation>リンクを読み込む…</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Indisponível</source>
        <translation>利用できません</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Inicia sem janela, na bandeja; os downloads e as fontes seguidas continuam.</source>
        <translation>ウィンドウを開かずにトレイで起動します。ダウンロードとフォロー中のソースは続きます。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Iniciar agora</source>
        <translation>今すぐ開始</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Iniciar o Vireloom ao entrar na sessão, na bandeja</source>
        <translation>ログイン時に Vireloom をトレイで起動</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Instala o que falta do motor e atualiza o yt-dlp, sem abrir a janela.</source>
        <translation>ウィンドウを開かずに、エンジンの足りないものをインストールし yt-dlp を更新します。</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Instalar Deno</source>
        <translation>Deno をインストール</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Instalar agora</source>
        <translation>今すぐインストール</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Instalar o que falta</source>
        <translation>足りないものをインストール</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Integração</source>
        <translation>連携</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Início da janela</source>
        <translation>開始時刻</translation>
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
        <translation>プレイリストの項目</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Janela de downloads</source>
        <translation>ダウンロード時間帯</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Juntando as partes</source>
        <translation>パートを結合中</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Juntando vídeo e áudio</source>
        <translation>映像と音声を結合中</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Já baixado, consta no arquivo</source>
        <translation>ダウンロード済み（アーカイブに記録あり）</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Já está na sua pasta</source>
        <translation>すでにフォルダーにあります</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Já existe “%@” nesta pasta.</source>
        <translation>このフォルダーにはすでに「%@」があります。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Lançadores e Terminal</source>
        <translation>ランチャーとターミナル</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Legendas</source>
        <translation>字幕</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Lendo a lista…</source>
        <translation>リストを読み込み中…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Lendo as faixas e os formatos do link…</source>
        <translation>リンクのトラックと形式を読み込み中…</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Lendo informações…</source>
        <translation>情報を読み込み中…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Limite de velocidade</source>
        <translation>速度制限</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Limpar</source>
        <translation>消去</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Limpar concluídos</source>
        <translation>完了したものを消去</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Limpar histórico</source>
        <translation>履歴を消去</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Limpar o histórico?</source>
        <translation>履歴を消去しますか？</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/ClipboardBanner.qml"/>
        <source>Link copiado</source>
        <translation>コピーしたリンク</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Link de um canal, playlist ou feed</source>
        <translation>チャンネル、プレイリスト、フィードのリンク</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Links da rede local vindos de outros programas</source>
        <translation>他のプログラムからのローカルネットワークのリンク</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Links vindos de fora só passam por um proxy http ou socks5. Mude o proxy em Ajustes ▸ Conexão ou cole o link na janela.</source>
        <translation>外部から来たリンクは http または socks5 のプロキシしか通れません。設定 ▸ 接続 でプロキシを変更するか、リンクをウィンドウに貼り付けてください。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/LogSheet.qml"/>
        <source>Log do download</source>
        <translation>ダウンロードのログ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Logins lembrados</source>
        <translation>記憶したログイン</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>MENU</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Mais formatos…</source>
        <translation>ほかの形式…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Manter os dois</source>
        <translation>両方を残す</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Marcar</source>
        <translation>マーク</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Melhor</source>
        <translation>最高</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Melhor qualidade</source>
        <translation>最高画質</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Menu principal</source>
        <translation>メインメニュー</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra a versão e sai.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra as fontes seguidas, uma por linha, e sai.</source>
        <translation>フォロー中のソースを 1 行に 1 つずつ表示して終了します。</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra esta ajuda e sai.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra os programas do motor, suas versões e se há atualização.</source>
        <translation>エンジンのプログラムとそのバージョン、更新の有無を表示します。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Mostrar log</source>
        <translation>ログを表示</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Mostrar na pasta</source>
        <translation>フォルダーで表示</translation>
    </message>
    <message>
        <location filename="../../app/trayicon.cpp"/>
        <source>Mostrar o Vireloom</source>
        <translation>Vireloom を表示</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Mostrar pasta do motor</source>
        <translation>エンジンのフォルダーを表示</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Motor</source>
        <translation>エンジン</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Motor incompleto</source>
        <translation>エンジンが不完全です</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <location filename="../../engine/playlistlisting.cpp"/>
        <source>Motor não instalado</source>
        <translation>エンジンがインストールされていません</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <location filename="../../ui/followingview.cpp"/>
        <source>Motor não instalado — clique em Instalar agora.</source>
        <translation>エンジンがインストールされていません — 「今すぐインストール」をクリックしてください。</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Motor pronto · yt-dlp %@</source>
        <translation>エンジン準備完了 · yt-dlp %@</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Motor pronto ✓</source>
        <translation>エンジン準備完了 ✓</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Movendo para a pasta</source>
        <translation>フォルダーへ移動中</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Música: trecho sem música</source>
        <translation>音楽: 音楽以外の部分</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Na fila</source>
        <translation>待機中</translation>
    </message>
    <message>
        <location filename="../../ui/historyview.cpp"/>
        <source>Nada encontrado.</source>
        <translation>見つかりませんでした。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Nada para seguir em %@: não é um canal, uma playlist nem um feed, ou já não existe.</source>
        <translation>%@ にはフォローできるものがありません。チャンネル、プレイリスト、フィードのいずれでもないか、もう存在しません。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Nada é apagado: o que já foi baixado continua na pasta. Só não chega mais nada desta fonte.</source>
        <translation>何も削除されません。ダウンロード済みのものはフォルダーに残ります。このソースから新着が届かなくなるだけです。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Navegadores</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Nenhum</source>
        <translation>なし</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Nenhum aplicativo pôde abrir o arquivo.</source>
        <translation>ファイルを開けるアプリがありませんでした。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/EmptyCard.qml"/>
        <source>Nenhum download por enquanto</source>
        <translation>まだダウンロードはありません</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Nenhum gerenciador de arquivos pôde abrir %@.</source>
        <translation>%@ を開けるファイルマネージャーがありませんでした。</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Nenhum navegador compatível foi encontrado.</source>
        <translation>対応しているブラウザーが見つかりません。</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <source>Nenhum navegador estava configurado pelo Vireloom.</source>
        <translation>Vireloom が設定したブラウザーはありません。</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Nenhum navegador pôde abrir o link.</source>
        <translation>リンクを開けるブラウザーがありませんでした。</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Nenhum yt-dlp foi deixado de lado.</source>
        <translation>保留中の yt-dlp はありません。</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>Nightly (de toda noite)</source>
        <translation>ナイトリー(毎晩)</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Nome da nova pasta</source>
        <translation>新しいフォルダーの名前</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Nome do arquivo</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Nova pasta</source>
        <translation>新しいフォルダー</translation>
    </message>
    <message>
        <location filename="../../host/browserhost.cpp"/>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>Não consegui abrir o Vireloom.</source>
        <translation>Vireloom を開けませんでした。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Não consegui conectar ao site. Verifique sua conexão com a internet e tente de novo.</source>
        <translation>サイトに接続できませんでした。インターネット接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não consegui entregar o pedido ao Vireloom aberto nem gravá-lo com segurança: nada foi seguido.</source>
        <translation>起動中の Vireloom に依頼を渡すことも、安全に保存することもできませんでした。何もフォローしていません。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Não consegui falar com o site: tentando de novo mais tarde</source>
        <translation>サイトに接続できませんでした: 後でもう一度試します</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não consegui gravar %@.</source>
        <translation>%@ を書き込めませんでした。</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>Não consegui iniciar o yt-dlp: %@</source>
        <translation>yt-dlp を起動できませんでした: %@</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não consegui ler %@.</source>
        <translation>%@ を読み込めませんでした。</translation>
    </message>
    <message>
        <location filename="../../platform/autostart.cpp"/>
        <source>Não consegui mudar a inicialização com a sessão: %@</source>
        <translation>ログイン時の起動を変更できませんでした: %@</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Não consegui mudar:</source>
        <translation>変更できませんでした:</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Não consegui verificar %@: %@</source>
        <translation>%@ を確認できませんでした: %@</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Não consigo gravar na pasta de download. Escolha outra pasta em Ajustes ▸ Geral.</source>
        <translation>ダウンロード先のフォルダーに書き込めません。設定 ▸ 一般 で別のフォルダーを選んでください。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Não encontrada: o link sumiu, é privado ou não é uma lista</source>
        <translation>見つかりません: リンクが削除されたか、非公開か、リストではありません</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Não foi possível criar “%@” nesta pasta.</source>
        <translation>このフォルダーに「%@」を作成できませんでした。</translation>
    </message>
    <message>
        <location filename="../../intake/linkfile.cpp"/>
        <source>Não foi possível ler %@.</source>
        <translation>%@ を読み込めませんでした。</translation>
    </message>
    <message>
        <location filename="../../engine/playlistlisting.cpp"/>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Não foi possível ler a lista.</source>
        <translation>リストを読み込めませんでした。</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Não havia link no que você soltou.</source>
        <translation>ドロップしたものにリンクはありませんでした。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Não há espaço livre no disco. Libere espaço ou escolha outra pasta em Ajustes ▸ Geral.</source>
        <translation>ディスクの空き容量がありません。空き容量を増やすか、設定 ▸ 一般 で別のフォルダーを選んでください。</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Não há link na área de transferência.</source>
        <translation>クリップボードにリンクがありません。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/DropFrame.qml"/>
        <source>Não há link neste texto</source>
        <translation>このテキストにはリンクがありません</translation>
    </message>
    <message>
        <location filename="../../root/downloader.cpp"/>
        <source>Não há links em %@.</source>
        <translation>%@ にリンクがありません。</translation>
    </message>
    <message>
        <location filename="../../ui/inputcardmodel.cpp"/>
        <source>Não há um link neste texto. Cole um endereço que comece com http:// ou https://.</source>
        <translation>このテキストにはリンクがありません。http:// または https:// で始まるアドレスを貼り付けてください。</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Não há versão anterior do yt-dlp.</source>
        <translation>以前の yt-dlp はありません。</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Não se sabe se há um yt-dlp mais novo.</source>
        <translation>新しい yt-dlp があるかどうかは不明です。</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>Não usar</source>
        <translation>使わない</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Não usar o arquivo</source>
        <translation>ファイルを使わない</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não é um link que se possa seguir: %@</source>
        <translation>フォローできるリンクではありません: %@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>O Deno %@ precisa ser atualizado: as versões novas do yt-dlp exigem o Deno %d.%d ou mais novo para alguns sites.</source>
        <translation>Deno %@ の更新が必要です。新しい yt-dlp は一部のサイトで Deno %d.%d 以降を必要とします。</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>O Deno precisa ser atualizado</source>
        <translation>Deno の更新が必要です</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>O Vireloom aberto verifica agora todas as fontes seguidas.</source>
        <translation>起動中の Vireloom が、フォロー中のすべてのソースを今すぐ確認します。</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O Vireloom baixa um link http ou https por vez, e este não é um.</source>
        <translation>Vireloom は一度に http か https のリンクを 1 つだけダウンロードします。これはそうではありません。</translation>
    </message>
    <message>
        <location filename="../../app/main.cpp"/>
        <source>O Vireloom continua baixando em segundo plano. Abra o Vireloom de novo para ver a janela.</source>
        <translation>Vireloom はバックグラウンドでダウンロードを続けます。ウィンドウを表示するには Vireloom をもう一度開いてください。</translation>
    </message>
    <message>
        <location filename="../../host/browserhost.cpp"/>
        <source>O Vireloom está aberto, mas não respondeu. Tente de novo em um instante.</source>
        <translation>Vireloom は開いていますが応答しませんでした。少ししてからもう一度お試しください。</translation>
    </message>
    <message>
        <location filename="../../host/browserhost.cpp"/>
        <source>O Vireloom não abriu a tempo. Tente de novo.</source>
        <translation>Vireloom が時間内に開きませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O Vireloom não conhece este pedido do navegador. Atualize o Vireloom ou a extensão.</source>
        <translation>Vireloom はこのブラウザーの要求を知りません。Vireloom か拡張機能を更新してください。</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O Vireloom não entendeu a mensagem do navegador.</source>
        <translation>Vireloom はブラウザーからのメッセージを読み取れませんでした。</translation>
    </message>
    <message>
        <location filename="../../app/main.cpp"/>
        <source>O Vireloom não está aberto: não há o que verificar.</source>
        <translation>Vireloom が起動していないため、確認するものがありません。</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O arquivo de cookies não existe ou não pode ser lido.</source>
        <translation>Cookie ファイルが存在しないか、読み込めません。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O arquivo de cookies “%@” não pôde ser lido. Escolha outro em Ajustes ▸ Conexão.</source>
        <translation>Cookie ファイル「%@」を読み込めませんでした。設定 ▸ 接続 で別のファイルを選んでください。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O download falhou.</source>
        <translation>ダウンロードに失敗しました。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O download falhou. Última mensagem do yt-dlp: %@</source>
        <translation>ダウンロードに失敗しました。yt-dlp の最後のメッセージ：%@</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O início precisa vir antes do fim.</source>
        <translation>開始は終了より前にしてください。</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O login que o navegador mandou não pôde ser lido; nada foi baixado.</source>
        <translation>ブラウザーから送られたログインを読み取れませんでした。何もダウンロードされていません。</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O navegador mandou uma mensagem grande demais para o Vireloom.</source>
        <translation>ブラウザーから Vireloom に大きすぎるメッセージが送られました。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O nome não pode ficar vazio.</source>
        <translation>名前を空にはできません。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O nome precisa ficar dentro da pasta de downloads.</source>
        <translation>名前はダウンロードフォルダー内に収める必要があります。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O nome precisa terminar em .%(ext)s.</source>
        <translation>名前は .%(ext)s で終わる必要があります。</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo %@ não respondeu com uma versão e foi removido.</source>
        <translation>新しい %@ がバージョンを返さなかったため、削除しました。</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo %@ não respondeu com uma versão; o anterior foi reposto.</source>
        <translation>新しい %@ がバージョンを返さなかったため、以前のものに戻しました。</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo yt-dlp não respondeu com uma versão e foi removido.</source>
        <translation>新しい yt-dlp がバージョンを返さなかったため、削除しました。</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo yt-dlp não respondeu com uma versão; o anterior foi reposto.</source>
        <translation>新しい yt-dlp がバージョンを返さなかったため、以前のものに戻しました。</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>O programa que recebe os links do navegador (vireloom-browser-host) não foi encontrado junto do Vireloom.</source>
        <translation>ブラウザーからリンクを受け取るプログラム (vireloom-browser-host) が Vireloom と同じ場所に見つかりません。</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>O proxy definido em Ajustes não respondeu.</source>
        <translation>設定のプロキシが応答しませんでした。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>O que é novo</source>
        <translation>新着は</translation>
    </message>
    <message>
        <source>O seu yt-dlp, %@, tem %d dias e não consegui ver se há outro.</source>
        <translation type="vanished">お使いの yt-dlp %@ は %d 日前のもので、新しいものがあるか確認できませんでした。</translation>
    </message>
    <message>
        <location filename="../../platform/autostart.cpp"/>
        <source>O sistema não consegue iniciar um programa neste caminho: %@</source>
        <translation>デスクトップはこのパスのプログラムを起動できません: %@</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>O site de versões (%@) não respondeu a tempo.</source>
        <translation>リリースサイト（%@）が時間内に応答しませんでした。</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>O site de versões (%@) recusou a conexão.</source>
        <translation>リリースサイト（%@）が接続を拒否しました。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site demorou demais para responder. Tente de novo em alguns minutos.</source>
        <translation>サイトの応答に時間がかかりすぎました。数分後にもう一度お試しください。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site está com problemas no momento (erro do servidor). Tente de novo mais tarde.</source>
        <translation>サイトで現在問題が発生しています（サーバーエラー）。後でもう一度お試しください。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site limitou as requisições (429). Espere alguns minutos ou use o login do navegador.</source>
        <translation>サイトがリクエストを制限しています (429)。数分待つか、ブラウザのログインを使ってください。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site mudou e este yt-dlp não o entende mais. Atualize o yt-dlp em Ajustes ▸ Motor.</source>
        <translation>サイトが変わり、この yt-dlp では扱えなくなりました。設定 ▸ エンジン で yt-dlp を更新してください。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site negou o acesso a este endereço (403). Talvez ele exija login ou não esteja disponível para você.</source>
        <translation>サイトがこのアドレスへのアクセスを拒否しました（403）。ログインが必要か、利用できない可能性があります。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site não tem esta página ou este arquivo (não existe ou foi removido). Confira o link.</source>
        <translation>サイトにこのページまたはファイルがありません（存在しないか削除されました）。リンクを確認してください。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site pediu login/verificação. Em Ajustes ▸ Formato, escolha um navegador em “Usar login do navegador”.</source>
        <translation>サイトがログインまたは確認を求めています。設定 ▸ 形式 の「ブラウザのログインを使う」でブラウザを選んでください。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>O site pediu uma pausa: tentando de novo mais tarde</source>
        <translation>サイトから間隔を空けるよう求められました: 後でもう一度試します</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>O site pediu uma pausa: verificando a cada %ld h</source>
        <translation>サイトから間隔を空けるよう求められました: %ld 時間ごとに確認します</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site recusou a conexão. Ele pode estar fora do ar; tente de novo mais tarde.</source>
        <translation>サイトが接続を拒否しました。停止している可能性があります。後でもう一度お試しください。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>O título do vídeo (padrão)</source>
        <translation>動画のタイトル（既定）</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>O yt-dlp está na versão mais recente.</source>
        <translation>yt-dlp は最新バージョンです。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O yt-dlp leria este caminho de outro jeito (troca “$nome” por variáveis e corta espaços nas pontas): escolha outra pasta.</source>
        <translation>yt-dlp はこのパスを別の意味に読みます（「$name」を変数で置き換え、両端の空白を削ります）。別のフォルダーを選んでください。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>O yt-dlp não conseguiu listar esta fonte</source>
        <translation>yt-dlp はこのソースを一覧にできませんでした</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>O yt-dlp pode estar desatualizado</source>
        <translation>yt-dlp が古くなっている可能性があります</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O yt-dlp precisa do Deno para este site. Instale o Deno em Ajustes ▸ Motor.</source>
        <translation>このサイトには yt-dlp が Deno を必要とします。設定 ▸ エンジン で Deno をインストールしてください。</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O yt-dlp publicado (%@) é mais antigo que o instalado (%@); nada foi trocado.</source>
        <translation>公開されている yt-dlp (%@) はインストール済みのもの (%@) より古いため、何も置き換えていません。</translation>
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
        <translation>不明なオプション: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Opções</source>
        <translation>オプション</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Opções do download</source>
        <translation>ダウンロードのオプション</translation>
    </message>
    <message>
        <location filename="../../ui/historyview.cpp"/>
        <source>Os downloads concluídos aparecem aqui.</source>
        <translation>完了したダウンロードがここに表示されます。</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Os pacotes da extensão não estão junto deste Vireloom.</source>
        <translation>拡張機能のパッケージはこの Vireloom と一緒にインストールされていません。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Os sites mudam com frequência. Se algo que funcionava começar a falhar, atualize o yt-dlp.</source>
        <translation>サイトは頻繁に変わります。使えていたものが失敗するようになったら、yt-dlp を更新してください。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <source>Outro programa pediu um link da sua rede local (%@). Baixar mesmo assim?</source>
        <translation>別のプログラムがローカルネットワーク内のリンク（%@）を要求しました。それでもダウンロードしますか？</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Para links enviados por outros programas, pela área de transferência ou pelo menu. O campo de link guarda a própria escolha.</source>
        <translation>他のプログラム、クリップボード、メニューから送られたリンクに使います。リンク欄は独自の選択を保持します。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Para quando o login do navegador falha: um cookies.txt exportado.</source>
        <translation>ブラウザのログインが使えないときに: 書き出した cookies.txt。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Para vídeos que exigem conta (Instagram, privados).</source>
        <translation>アカウントが必要な動画向け（Instagram、非公開の動画）。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Pasta de cima</source>
        <translation>上のフォルダー</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Patrocínio</source>
        <translation>スポンサー</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Pausa entre itens da playlist</source>
        <translation>プレイリスト項目間の待機</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Pausa entre pedidos</source>
        <translation>リクエスト間の待機</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Pausada</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Pausar</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Pedaços baixados ao mesmo tempo quando o vídeo vem em partes, como na maioria dos sites.</source>
        <translation>動画が分割されて届くとき（多くのサイト）に同時に取得する断片の数。</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Pedido de interação</source>
        <translation>高評価・登録のお願い</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Pela qualidade escolhida</source>
        <translation>選んだ画質で</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Playlist</source>
        <translation>プレイリスト</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Playlist inteira</source>
        <translation>プレイリスト全体</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Playlist · %ld</source>
        <translation>プレイリスト · %ld</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Playlist · %ld de %ld</source>
        <translation>プレイリスト · %ld / %ld</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Por download, como 500K ou 2M. Vazio: sem limite.</source>
        <translation>ダウンロードごと。500K や 2M のように。空欄で制限なし。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Preferir H.264</source>
        <translation>H.264 を優先</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Procurar versões novas do yt-dlp</source>
        <translation>yt-dlp の新しいバージョンを確認</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Progresso</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Pronto</source>
        <translation>完了</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Pronto: %@. Agora adicione a extensão.</source>
        <translation>完了: %@。次に拡張機能を追加してください。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Proxy</source>
        <translation>プロキシ</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Prévia</source>
        <translation>予告・まとめ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Próxima: %@</source>
        <translation>次回: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Pular o que já foi baixado</source>
        <translation>ダウンロード済みをスキップ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/QualityMenu.qml"/>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Qualidade</source>
        <translation>画質</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Qualidade desconhecida: %@</source>
        <translation>不明な画質: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Qualidade padrão</source>
        <translation>標準の画質</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Quando o login de um navegador resolve um download, o site passa a usá-lo logo de início.</source>
        <translation>ブラウザーのログインでダウンロードが通ると、そのサイトでは次から最初からそのログインを使います。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Quando você copia um link e volta para o Vireloom</source>
        <translation>リンクをコピーして Vireloom に戻ったとき</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Remover</source>
        <translation>削除</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Remover da lista</source>
        <translation>リストから削除</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Remover do histórico</source>
        <translation>履歴から削除</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <source>Removido dos navegadores:</source>
        <translation>ブラウザーから削除しました:</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Retomar</source>
        <translation>再開</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>Retomar todos</source>
        <translation>すべて再開</translation>
    </message>
    <message>
        <location filename="../../app/trayicon.cpp"/>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Sair</source>
        <translation>終了</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/QuitDialog.qml"/>
        <source>Sair mesmo assim</source>
        <translation>それでも終了</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Salvar em</source>
        <translation>保存先</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Salve vídeo ou áudio de links como arquivos</source>
        <translation>リンク先の動画や音声をファイルとして保存します</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Se o link fizer parte de uma playlist, baixa todos os vídeos dela</source>
        <translation>リンクがプレイリストの一部なら、その動画をすべてダウンロードします</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/shell/QuitDialog.qml"/>
        <source>Se sair agora, ele será interrompido.|Se sair agora, eles serão interrompidos.</source>
        <translation>
            <numerusform>今終了すると、ダウンロードは中断されます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Se sair agora, eles serão interrompidos.</source>
        <translation type="vanished">今終了すると、ダウンロードは中断されます。</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Segue um canal, playlist ou feed a partir de agora; com o Vireloom fechado, fica para a próxima vez que ele abrir.</source>
        <translation>チャンネル、プレイリスト、フィードを今後フォローします。Vireloom が起動していなければ、次の起動時に反映されます。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Seguindo</source>
        <translation>フォロー中</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Seguindo: a primeira leitura já começou.</source>
        <translation>フォローしました。最初の読み込みを始めました。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Seguir</source>
        <translation>フォロー</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Segundos antes de cada item.</source>
        <translation>各項目の前の秒数。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Segundos. Sites limitam quem pede rápido demais.</source>
        <translation>秒。速すぎるアクセスはサイトに制限されます。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Sem abrir a janela: as fontes seguidas e a fila continuam trabalhando.</source>
        <translation>ウィンドウは開きません。フォロー中のソースとキューは動作し続けます。</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>Sem conexão com a internet: o site de versões (%@) não pôde ser alcançado.</source>
        <translation>インターネットに接続できません：リリースサイト（%@）に到達できませんでした。</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Sem dados há %ld min</source>
        <translation>%ld 分間データなし</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Siga canais, playlists e feeds: cada novidade entra na fila com as escolhas da fonte.</source>
        <translation>チャンネル、プレイリスト、フィードをフォロー: 新着はソースの設定でキューに入ります。</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Site não encontrado: este endereço não existe. Confira o link.</source>
        <translation>サイトが見つかりません。このアドレスは存在しません。リンクを確認してください。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/DropFrame.qml"/>
        <source>Solte o link para baixar</source>
        <translation>リンクをドロップしてダウンロード</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Substituir</source>
        <translation>置き換える</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Substituir o arquivo que está na pasta?</source>
        <translation>フォルダーにあるファイルを置き換えますか？</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Sugerir links copiados</source>
        <translation>コピーしたリンクを提案</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Só a lista é apagada — os arquivos baixados continuam na pasta.</source>
        <translation>消えるのはリストだけです — ダウンロードしたファイルはフォルダーに残ります。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Só áudio</source>
        <translation>音声のみ</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Só áudio — M4A</source>
        <translation>音声のみ — M4A</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Só áudio — MP3</source>
        <translation>音声のみ — MP3</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Também os últimos %ld|Também os últimos %ld</source>
        <translation>
            <numerusform>最新 %ld 件も</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Tentar a versão nightly</source>
        <translation>ナイトリー版を試す</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar com o login de:</source>
        <translation>次のログインで試す:</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar de novo</source>
        <translation>再試行</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar de novo com o login de %@</source>
        <translation>%@ のログインでもう一度試す</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar de novo os que falharam</source>
        <translation>失敗したものを再試行</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Tentar o %@ de novo</source>
        <translation>%@ をもう一度試す</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Tocar som ao concluir</source>
        <translation>完了時にサウンドを鳴らす</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Todos</source>
        <translation>すべて</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Todos os arquivos</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Total baixado</source>
        <translation>ダウンロード合計</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Tratando os trechos patrocinados</source>
        <translation>スポンサー区間を処理中</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Trecho</source>
        <translation>区間</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Tudo que já</source>
        <translation>これまでに</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Título do vídeo</source>
        <translation>動画のタイトル</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Um código como en, de ou pt-BR. Vazio: a faixa original, senão a do idioma da interface.</source>
        <translation>en、de、pt-BR のようなコード。空欄：オリジナルの音声、なければ表示言語の音声。</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <source>Um endereço vireloom: trouxe %ld link; nada foi adicionado.|Um endereço vireloom: trouxe %ld links de uma vez; só um é aceito, e nada foi adicionado.</source>
        <translation>
            <numerusform>vireloom: アドレスに %ld 件のリンクが含まれていました。受け付けるのは 1 件だけのため、何も追加されていません。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Um navegador Flatpak pode não ter permissão para abrir o Vireloom fora da sua área isolada.</source>
        <translation>Flatpak のブラウザーには、サンドボックスの外で Vireloom を開く許可がない場合があります。</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Um nome de pasta não pode ser “.” nem “..”, nem ter “/”.</source>
        <translation>フォルダー名を「.」や「..」にしたり、「/」を含めたりすることはできません。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Uma playlist baixada de novo traz só os itens novos.</source>
        <translation>もう一度ダウンロードしたプレイリストは新しい項目だけを取得します。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Uma vez por dia</source>
        <translation>1日1回</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Uma vez por dia, sem baixar nada</source>
        <translation>1 日 1 回、何もダウンロードせずに</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Uma vez por semana</source>
        <translation>週1回</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Usar login do navegador</source>
        <translation>ブラウザのログインを使う</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use códigos de idioma separados por vírgula, como en.*,pt.</source>
        <translation>en.*,pt のようにカンマ区切りの言語コードを使ってください。</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Use tempos como 90, 1:30 ou 1:02:03.</source>
        <translation>90、1:30、1:02:03 のような時間を入力してください。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use um código de idioma como en, de ou pt-BR.</source>
        <translation>en、de、pt-BR のような言語コードを使ってください。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use um endereço como socks5://127.0.0.1:1080 ou http://proxy:8080.</source>
        <translation>socks5://127.0.0.1:1080 や http://proxy:8080 のようなアドレスを使ってください。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <location filename="../../ui/appsettings.cpp"/>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Use um limite como 500K ou 2M (bytes por segundo).</source>
        <translation>500K や 2M のような上限を入力してください（バイト毎秒）。</translation>
    </message>
    <message>
        <source>Use um limite de velocidade maior que zero.</source>
        <translation type="vanished">0 より大きい速度制限を使ってください。</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use um número de segundos entre 0 e 600.</source>
        <translation>0〜600 の秒数を使ってください。</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Uso: vireloom [opções] [endereço…]</source>
        <translation>使い方: vireloom [オプション] [アドレス…]</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Ver log</source>
        <translation>ログを見る</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Verificando só desta vez: a fonte continua pausada</source>
        <translation>今回だけ確認中: ソースは一時停止のままです</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Verificando…</source>
        <translation>確認中…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Verificar agora</source>
        <translation>今すぐ確認</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Verificar todas</source>
        <translation>すべて確認</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Versões do yt-dlp</source>
        <translation>yt-dlp のリリース</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Você ainda não segue nada.</source>
        <translation>まだ何もフォローしていません。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Você já segue este link.</source>
        <translation>このリンクはすでにフォローしています。</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Voltando ao yt-dlp anterior…</source>
        <translation>以前の yt-dlp に戻しています…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Voltar ao yt-dlp %@</source>
        <translation>yt-dlp %@ に戻す</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Voltar ao yt-dlp anterior</source>
        <translation>以前の yt-dlp に戻す</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Voltar à pasta padrão</source>
        <translation>既定のフォルダーに戻す</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Vídeo privado.</source>
        <translation>非公開の動画です。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>YouTube, Instagram, Vimeo, X, TikTok e mais de mil sites. Em até 4K, ou só o áudio.</source>
        <translation>YouTube、Instagram、Vimeo、X、TikTok など 1,000 以上のサイトに対応。最大 4K、または音声のみ。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>a estrela traz.</source>
        <translation>星が届けます。</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>agora</source>
        <translation>今</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>arquivo movido</source>
        <translation>ファイルが移動されました</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>caiu por aqui.</source>
        <translation>届いたすべて。</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>cerca de %@</source>
        <translation>約 %@</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>cerca de %@, sem o tamanho de %ld</source>
        <translation>約 %@(%ld 件はサイズ不明)</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>chega sozinho.</source>
        <translation>自動で届きます。</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>com o login de %@</source>
        <translation>%@ のログインで</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>com o login do seu navegador</source>
        <translation>ブラウザーのログインで</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>como nos ajustes</source>
        <translation>設定のとおり</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>endereço</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>faltam %@</source>
        <translation>残り %@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>ffmpeg junta vídeo e áudio e converte para MP3.</source>
        <translation>ffmpeg は映像と音声を結合し、MP3 に変換します。</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>fim</source>
        <translation>終わり</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>instalado</source>
        <translation>インストール済み</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>início</source>
        <translation>始め</translation>
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
        <translation>見つかりません</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>original</source>
        <translation>オリジナル</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SettingsPage.qml"/>
        <source>sem complicação.</source>
        <translation>手間なく。</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>sem o login do navegador: ele não fica guardado quando o Vireloom fecha</source>
        <translation>ブラウザーのログインなし: Vireloom を閉じると保持されません</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>sem áudio</source>
        <translation>音声なし</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>só vídeo</source>
        <translation>映像のみ</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>só áudio</source>
        <translation>音声のみ</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>tamanho desconhecido</source>
        <translation>サイズ不明</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ de volta ✓</source>
        <translation>yt-dlp %@ に戻りました ✓</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ foi deixado de lado depois de falhar; nada foi trocado.</source>
        <translation>yt-dlp %@ は失敗したため保留中です。何も置き換えていません。</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ instalado e verificado ✓</source>
        <translation>yt-dlp %@ をインストールして確認しました ✓</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ já saiu; o instalado é o %@.</source>
        <translation>yt-dlp %@ が公開されています。インストール済みは %@ です。</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ já saiu; o instalado, %@, tem %d dias.</source>
        <translation>yt-dlp %@ が公開されています。インストール済みの %@ は %d 日前のものです。</translation>
    </message>
    <message>
        <source>yt-dlp %@ já saiu; o seu é o %@.</source>
        <translation type="vanished">yt-dlp %@ が出ています。お使いのものは %@ です。</translation>
    </message>
    <message>
        <source>yt-dlp %@ já saiu; o seu, %@, tem %d dias.</source>
        <translation type="vanished">yt-dlp %@ が出ています。お使いの %@ は %d 日前のものです。</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ já é a versão mais recente</source>
        <translation>yt-dlp %@ はすでに最新バージョンです</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ tem %d dias; não foi possível verificar se há uma versão mais nova.</source>
        <translation>yt-dlp %@ は %d 日前のものです。新しいバージョンの有無を確認できませんでした。</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ é a versão mais recente.</source>
        <translation>yt-dlp %@ は最新バージョンです。</translation>
    </message>
    <message>
        <source>yt-dlp + ffmpeg + Deno (código aberto). Baixa ~150 MB uma única vez.</source>
        <translation type="vanished">yt-dlp + ffmpeg + Deno（オープンソース）。約 150 MB を一度だけダウンロードします。</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>yt-dlp deixado de lado (falhou onde o outro funcionou): %@</source>
        <translation>保留中の yt-dlp(もう一方が成功した処理で失敗): %@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp faz os downloads.</source>
        <translation>yt-dlp がダウンロードを行います。</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>yt-dlp que funcionou por último: %@</source>
        <translation>最後に動作した yt-dlp: %@</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>yt-dlp saiu com código %d</source>
        <translation>yt-dlp がコード %d で終了しました</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Áudio</source>
        <translation>音声</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Última verificação: %@</source>
        <translation>前回の確認: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Último</source>
        <translation>最新</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ClockField.qml"/>
        <source>“%@” não é um horário: use, por exemplo, 01:00.</source>
        <translation>「%@」は時刻ではありません。例: 01:00</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>“Manter os dois” salva o novo download com outro nome; “Substituir” manda o arquivo atual para a lixeira.</source>
        <translation>「両方を残す」は新しいダウンロードを別の名前で保存し、「置き換える」は今のファイルをゴミ箱に移します。</translation>
    </message>
</context>
</TS>
