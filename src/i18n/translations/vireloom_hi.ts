<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="pt_BR">
<context>
    <name>Vireloom</name>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>%@ %@ já saiu; o instalado é o %@.</source>
        <translation>%@ %@ आ गया है; इंस्टॉल किया गया %@ है।</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>%@ foi deixado de lado</source>
        <translation>%@ को अलग रख दिया गया</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>%@ não consta em %@</source>
        <translation>%@, %@ में सूचीबद्ध नहीं है</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>%@ não está mais na pasta. Use “Baixar de novo” para buscá-lo outra vez.</source>
        <translation>%@ अब अपने फ़ोल्डर में नहीं है। इसे फिर से लाने के लिए “फिर से डाउनलोड करें” इस्तेमाल करें।</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>%@ não traz uma assinatura válida da chave de lançamento do yt-dlp</source>
        <translation>%@ में yt-dlp की रिलीज़ कुंजी का मान्य हस्ताक्षर नहीं है</translation>
    </message>
    <message>
        <location filename="../../intake/linkfile.cpp"/>
        <source>%@ é grande demais para uma lista de links.</source>
        <translation>%@ लिंक की सूची के लिए बहुत बड़ा है।</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>%ld de %ld escolhidos</source>
        <translation>%ld चुने गए (कुल %ld)</translation>
    </message>
    <message numerus="yes">
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>%ld download concluído|%ld downloads concluídos</source>
        <translation>
            <numerusform>%ld डाउनलोड पूरा हुआ</numerusform>
            <numerusform>%ld डाउनलोड पूरे हुए</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>%ld download foi interrompido|%ld downloads foram interrompidos</source>
        <translation>
            <numerusform>%ld डाउनलोड बाधित हुआ</numerusform>
            <numerusform>%ld डाउनलोड बाधित हुए</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/shell.cpp"/>
        <source>%ld download|%ld downloads</source>
        <translation>
            <numerusform>%ld डाउनलोड</numerusform>
            <numerusform>%ld डाउनलोड</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/playlistplan.cpp"/>
        <source>%ld indisponível|%ld indisponíveis</source>
        <translation>
            <numerusform>%ld अनुपलब्ध</numerusform>
            <numerusform>%ld अनुपलब्ध</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>%ld item aponta para a sua rede local|%ld itens apontam para a sua rede local</source>
        <translation>
            <numerusform>%ld आइटम आपके स्थानीय नेटवर्क की ओर इशारा करता है</numerusform>
            <numerusform>%ld आइटम आपके स्थानीय नेटवर्क की ओर इशारा करते हैं</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/queuesummary.cpp"/>
        <source>%ld item|%ld itens</source>
        <translation>
            <numerusform>%ld आइटम</numerusform>
            <numerusform>%ld आइटम</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../root/downloader.cpp"/>
        <source>%ld já estava na fila|%ld já estavam na fila</source>
        <translation>
            <numerusform>%ld पहले से कतार में था</numerusform>
            <numerusform>%ld पहले से कतार में थे</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../root/downloader.cpp"/>
        <source>%ld link adicionado|%ld links adicionados</source>
        <translation>
            <numerusform>%ld लिंक जोड़ा गया</numerusform>
            <numerusform>%ld लिंक जोड़े गए</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../root/downloader.cpp"/>
        <source>%ld novo de %@|%ld novos de %@</source>
        <translation>
            <numerusform>%ld नया, %@ से</numerusform>
            <numerusform>%ld नए, %@ से</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>%ld novo|%ld novos</source>
        <translation>
            <numerusform>%ld नया</numerusform>
            <numerusform>%ld नए</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 12 horas</source>
        <translation>हर 12 घंटे</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 15 minutos</source>
        <translation>हर 15 मिनट</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 3 horas</source>
        <translation>हर 3 घंटे</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada 6 horas</source>
        <translation>हर 6 घंटे</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>A cada hora</source>
        <translation>हर घंटे</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>A conexão caiu antes do fim do download. “Tentar de novo” continua de onde parou.</source>
        <translation>डाउनलोड पूरा होने से पहले कनेक्शन टूट गया। “फिर से कोशिश करें” वहीं से जारी रखता है जहाँ यह रुका था।</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>A conexão pelo proxy definido em Ajustes falhou. Confira o endereço do proxy ou deixe o campo vazio.</source>
        <translation>सेटिंग्स में सेट किए गए प्रॉक्सी से कनेक्शन विफल रहा। प्रॉक्सी का पता जाँचें या फ़ील्ड खाली छोड़ दें।</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>A conexão segura com %@ falhou.</source>
        <translation>%@ से सुरक्षित कनेक्शन विफल रहा।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>A lista de downloads salva não pôde ser lida e foi guardada à parte.</source>
        <translation>सहेजी गई डाउनलोड सूची पढ़ी नहीं जा सकी और उसे अलग रख दिया गया है।</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>A mensagem do navegador tem o campo “%@” com um valor do tipo errado.</source>
        <translation>ब्राउज़र के संदेश में “%@” फ़ील्ड का मान गलत प्रकार का है।</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>A parte pedida começa depois do fim do vídeo, que dura %@.</source>
        <translation>आपका चुना हुआ अंश वीडियो ख़त्म होने के बाद शुरू होता है; वीडियो की अवधि %@ है।</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>A pasta precisa ser um caminho absoluto, sem caracteres de controle.</source>
        <translation>फ़ोल्डर बिना नियंत्रण वर्णों वाला एक निरपेक्ष पथ होना चाहिए।</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>A qualidade dos downloads de --follow: best, p2160, p1440, p1080, p720, p480, mp3 ou m4a.</source>
        <translation>--follow के डाउनलोड की गुणवत्ता: best, p2160, p1440, p1080, p720, p480, mp3 या m4a।</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>A soma SHA-256 de %@ não confere com %@</source>
        <translation>%@ का SHA-256 योग %@ से मेल नहीं खाता</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Abertura</source>
        <translation>परिचय</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Abra, mostre na pasta ou baixe de novo qualquer coisa que passou pelo Vireloom.</source>
        <translation>Vireloom से गुज़री किसी भी चीज़ को खोलें, फ़ोल्डर में दिखाएँ या फिर से डाउनलोड करें।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Abre direto na maioria dos players e editores, sem converter</source>
        <translation>ज़्यादातर प्लेयर और एडिटर में सीधे खुलता है, बिना कन्वर्ट किए</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Abrir</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Abrir a pasta da extensão</source>
        <translation>एक्सटेंशन का फ़ोल्डर खोलें</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Abrir ajustes</source>
        <translation>सेटिंग्स खोलें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Abrir no navegador e enviar de novo</source>
        <translation>ब्राउज़र में खोलें और फिर से भेजें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Abrir pasta</source>
        <translation>फ़ोल्डर खोलें</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Acesso negado (403). Tente Ajustes ▸ Motor ▸ Atualizar yt-dlp.</source>
        <translation>पहुँच अस्वीकृत (403)। सेटिंग्स ▸ इंजन ▸ yt-dlp अपडेट करें आज़माएँ।</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Aguardando a primeira leitura</source>
        <translation>पहली बार पढ़े जाने की प्रतीक्षा</translation>
    </message>
    <message>
        <location filename="../../engine/downloadwindow.cpp"/>
        <source>Aguardando até %@</source>
        <translation>%@ तक प्रतीक्षा</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Ainda não configurados: %@</source>
        <translation>अभी सेट नहीं: %@</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Ajustar o proxy</source>
        <translation>प्रॉक्सी समायोजित करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SettingsPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Ajustes</source>
        <translation>सेटिंग्स</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Ajustes…</source>
        <translation>सेटिंग्स…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Arquivo de cookies</source>
        <translation>कुकी फ़ाइल</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Arquivos</source>
        <translation>फ़ाइलें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Arquivos de cookies</source>
        <translation>कुकी फ़ाइलें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Arquivos de texto</source>
        <translation>टेक्स्ट फ़ाइलें</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Atualizar %@</source>
        <translation>%@ अपडेट करें</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Atualizar ffmpeg e Deno</source>
        <translation>ffmpeg और Deno अपडेट करें</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Atualizar yt-dlp</source>
        <translation>yt-dlp अपडेट करें</translation>
    </message>
    <message>
        <source>Aumentar</source>
        <translation type="vanished">बढ़ाएँ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SecondsRow.qml"/>
        <location filename="../../ui/qml/settings/StepperRow.qml"/>
        <source>Aumentar %@ (agora %@)</source>
        <translation>%@ बढ़ाएँ (अभी %@)</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Automáticas</source>
        <translation>स्वचालित</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Autopromoção</source>
        <translation>स्व-प्रचार</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Baixa cada link de um arquivo de texto, com as escolhas do campo de link.</source>
        <translation>टेक्स्ट फ़ाइल का हर लिंक, लिंक फ़ील्ड के चुनावों के साथ, डाउनलोड करता है।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Baixado</source>
        <translation>डाउनलोड किया गया</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>Baixado com o yt-dlp %@, o último que funcionou: o %@ falhou e foi deixado de lado.</source>
        <translation>yt-dlp %@ से डाउनलोड किया गया, जो आख़िरी बार काम करने वाला था: %@ विफल हुआ और उसे अलग रख दिया गया।</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Baixando</source>
        <translation>डाउनलोड हो रहा है</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Baixando Deno (necessário para o YouTube)…</source>
        <translation>Deno डाउनलोड हो रहा है (YouTube के लिए ज़रूरी)…</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Baixando ffmpeg…</source>
        <translation>ffmpeg डाउनलोड हो रहा है…</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Baixando yt-dlp…</source>
        <translation>yt-dlp डाउनलोड हो रहा है…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/ClipboardBanner.qml"/>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Baixar</source>
        <translation>डाउनलोड करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Baixar de novo</source>
        <translation>फिर से डाउनलोड करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Baixar link da área de transferência</source>
        <translation>क्लिपबोर्ड से लिंक डाउनलोड करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Baixar sem perguntar quando um endereço vireloom: aponta para este computador ou para a sua rede.</source>
        <translation>जब कोई vireloom: पता इस कंप्यूटर या आपके नेटवर्क की ओर इशारा करे, तो बिना पूछे डाउनलोड करें।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Botão no navegador</source>
        <translation>ब्राउज़र बटन</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Buscar por título, site ou link</source>
        <translation>शीर्षक, साइट या लिंक से खोजें</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Canal</source>
        <translation>चैनल</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Cancelado</source>
        <translation>रद्द किया गया</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <location filename="../../ui/qml/shell/QuitDialog.qml"/>
        <source>Cancelar</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Capítulos</source>
        <translation>अध्याय</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Chromium, Chrome, Brave, Vivaldi e Edge: em chrome://extensions, ligue o Modo do desenvolvedor, clique em “Carregar sem compactação” e escolha a pasta vireloom-chromium. Firefox e LibreWolf: em about:debugging ▸ Este Firefox, clique em “Carregar extensão temporária…” e escolha o vireloom-firefox.xpi.</source>
        <translation>Chromium, Chrome, Brave, Vivaldi और Edge: chrome://extensions पर डेवलपर मोड चालू करें, “अनपैक किया गया लोड करें” पर क्लिक करें और vireloom-chromium फ़ोल्डर चुनें। Firefox और LibreWolf: about:debugging ▸ यह Firefox पर “अस्थायी ऐड-ऑन लोड करें…” पर क्लिक करें और vireloom-firefox.xpi चुनें।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Cole acima o link de um canal, de uma playlist ou de um feed de podcast. O Vireloom verifica de tempos em tempos e baixa o que for novo.</source>
        <translation>ऊपर किसी चैनल, प्लेलिस्ट या पॉडकास्ट फ़ीड का लिंक चिपकाएँ। Vireloom समय-समय पर इसे जाँचता है और जो नया है उसे डाउनलोड करता है।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Cole o link de um vídeo…</source>
        <translation>किसी वीडियो का लिंक चिपकाएँ…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/EmptyCard.qml"/>
        <source>Cole um link acima, arraste um link para a janela
ou copie um link e volte para o Vireloom.</source>
        <translation>ऊपर लिंक चिपकाएँ, लिंक को विंडो पर खींचें
या लिंक कॉपी करके Vireloom पर लौटें।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Cole um link,</source>
        <translation>एक लिंक चिपकाएँ,</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Como nos ajustes</source>
        <translation>सेटिंग्स के अनुसार</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído</source>
        <translation>पूरा हुआ</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído com falhas · %ld de %ld</source>
        <translation>कुछ विफलताओं के साथ पूरा हुआ · %ld / %ld</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído · %@</source>
        <translation>पूरा हुआ · %@</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído · %ld arquivo|Concluído · %ld arquivos</source>
        <translation>
            <numerusform>पूरा हुआ · %ld फ़ाइल</numerusform>
            <numerusform>पूरा हुआ · %ld फ़ाइलें</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Conexão</source>
        <translation>कनेक्शन</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Conexões paralelas por download</source>
        <translation>हर डाउनलोड के लिए समानांतर कनेक्शन</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <source>Configurado nos navegadores:</source>
        <translation>इन ब्राउज़रों में सेट अप किया गया:</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Configurados: %@</source>
        <translation>सेट हैं: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Configurar</source>
        <translation>सेट करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Configurar os navegadores para a extensão do Vireloom</source>
        <translation>Vireloom के एक्सटेंशन के लिए ब्राउज़र सेट करें</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Convertendo o vídeo</source>
        <translation>वीडियो कन्वर्ट किया जा रहा है</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Convertendo para M4A</source>
        <translation>M4A में कन्वर्ट किया जा रहा है</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Convertendo para MP3</source>
        <translation>MP3 में कन्वर्ट किया जा रहा है</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar</source>
        <translation>कॉपी करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Copiar link</source>
        <translation>लिंक कॉपी करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/LogSheet.qml"/>
        <source>Copiar log</source>
        <translation>लॉग कॉपी करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar o caminho da pasta da extensão</source>
        <translation>एक्सटेंशन के फ़ोल्डर का पाथ कॉपी करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar o endereço para lançadores e terminal</source>
        <translation>लॉन्चर और टर्मिनल के लिए पता कॉपी करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Copiar o favorito do navegador</source>
        <translation>ब्राउज़र बुकमार्क कॉपी करें</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Corrigindo o arquivo</source>
        <translation>फ़ाइल ठीक की जा रही है</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Criar</source>
        <translation>बनाएँ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Crie um favorito e cole isto como endereço — ele envia a página atual para o Vireloom.</source>
        <translation>एक बुकमार्क बनाएँ और इसे उसके पते के रूप में चिपकाएँ — यह मौजूदा पेज को Vireloom पर भेजता है।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Ctrl+Shift+V baixa o link copiado</source>
        <translation>Ctrl+Shift+V कॉपी किया गया लिंक डाउनलोड करता है</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Daqui em diante</source>
        <translation>अब से</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Das … às …</source>
        <translation>… से … तक</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Deixa os navegadores instalados enviarem links ao Vireloom pela extensão dele, e sai.</source>
        <translation>इंस्टॉल किए गए ब्राउज़रों को Vireloom के एक्सटेंशन के ज़रिए उसे लिंक भेजने देता है, और बाहर निकल जाता है।</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Deixado como está, pois não foi escrito pelo Vireloom:</source>
        <translation>जैसा था वैसा छोड़ दिया गया, क्योंकि इसे Vireloom ने नहीं लिखा था:</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Deixar de seguir</source>
        <translation>फ़ॉलो करना बंद करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Deixar de seguir “%@”?</source>
        <translation>“%@” को फ़ॉलो करना बंद करें?</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Deixe vazio para conectar direto.</source>
        <translation>सीधे कनेक्ट करने के लिए खाली छोड़ें।</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Deno: alguns sites, o YouTube entre eles, precisam dele.</source>
        <translation>Deno: कुछ साइटों को, जिनमें YouTube भी है, इसकी ज़रूरत होती है।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>Descartar</source>
        <translation>छोड़ें</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Desfaz o que --register-browsers fez nos navegadores, e sai.</source>
        <translation>--register-browsers ने ब्राउज़रों में जो किया था उसे पलट देता है, और बाहर निकल जाता है।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Desligado</source>
        <translation>बंद</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Destaque</source>
        <translation>हाइलाइट</translation>
    </message>
    <message>
        <source>Diminuir</source>
        <translation type="vanished">घटाएँ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SecondsRow.qml"/>
        <location filename="../../ui/qml/settings/StepperRow.qml"/>
        <source>Diminuir %@ (agora %@)</source>
        <translation>%@ घटाएँ (अभी %@)</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Dividindo em capítulos</source>
        <translation>अध्यायों में बाँटा जा रहा है</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Dividir em capítulos não funciona junto com um trecho de tempo: escolha um dos dois.</source>
        <translation>अध्यायों में बाँटना समय-सीमा के साथ काम नहीं करता: दोनों में से एक चुनें।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Dividir por capítulos</source>
        <translation>अध्यायों में बाँटें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SettingsPage.qml"/>
        <source>Do seu jeito,</source>
        <translation>आपके तरीक़े से,</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Downloads</source>
        <translation>डाउनलोड</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Downloads ao mesmo tempo</source>
        <translation>एक साथ डाउनलोड</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Downloads só começam entre estes horários, tanto os das fontes seguidas quanto os links. O que já está baixando não é interrompido.</source>
        <translation>डाउनलोड सिर्फ़ इन समयों के बीच शुरू होते हैं, चाहे फ़ॉलो किए गए स्रोतों से हों या लिंक से। जो पहले से डाउनलोड हो रहा है, वह बीच में नहीं रुकता।</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Dê um nome à nova pasta.</source>
        <translation>नए फ़ोल्डर को एक नाम दें।</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Ele falhou onde o %@ funcionou; os downloads seguem com esse até sair uma versão mais nova.</source>
        <translation>यह वहाँ विफल हुआ जहाँ %@ ने काम किया; नई रिलीज़ आने तक डाउनलोड उसी से होंगे।</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Em dia</source>
        <translation>अद्यतन</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Embutindo a miniatura</source>
        <translation>थंबनेल एम्बेड किया जा रहा है</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Embutindo as legendas</source>
        <translation>उपशीर्षक एम्बेड किए जा रहे हैं</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Embutir legendas</source>
        <translation>उपशीर्षक एम्बेड करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Embutir miniatura como capa</source>
        <translation>थंबनेल को कवर के रूप में एम्बेड करें</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Encerramento</source>
        <translation>समापन</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Endereços vireloom: ou links para baixar; com o Vireloom já aberto, vão para a janela dele.</source>
        <translation>vireloom: पते या डाउनलोड करने के लिए लिंक; Vireloom पहले से चल रहा हो, तो ये उसकी विंडो में जाते हैं।</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Enrolação</source>
        <translation>भराव</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escolha ao menos um item da playlist.</source>
        <translation>प्लेलिस्ट का कम से कम एक आइटम चुनें।</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escolha ao menos uma categoria.</source>
        <translation>कम से कम एक श्रेणी चुनें।</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escolha o formato outra vez na lista.</source>
        <translation>सूची से फ़ॉर्मैट फिर से चुनें।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <source>Escolha um vídeo e um áudio para juntar, ou um formato que já tem os dois.</source>
        <translation>मिलाने के लिए एक वीडियो और एक ऑडियो चुनें, या ऐसा फ़ॉर्मैट जिसमें दोनों हों।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Escolher</source>
        <translation>चुनें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Escolher a pasta desta fonte</source>
        <translation>इस स्रोत का फ़ोल्डर चुनें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Escolher a pasta dos downloads</source>
        <translation>डाउनलोड फ़ोल्डर चुनें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Escolher itens</source>
        <translation>आइटम चुनें</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Escolher navegador</source>
        <translation>ब्राउज़र चुनें</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Escolher o arquivo de cookies</source>
        <translation>कुकी फ़ाइल चुनें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Escolher…</source>
        <translation>चुनें…</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Escreva um campo com %( e )s em volta do nome, como em %(title)s. Nomes que você pode usar: title, uploader, upload_date, id, height, playlist_index, playlist_title, ext.</source>
        <translation>किसी फ़ील्ड को उसके नाम को %( और )s के बीच रखकर लिखें, जैसे %(title)s। इस्तेमाल किए जा सकने वाले नाम: title, uploader, upload_date, id, height, playlist_index, playlist_title, ext।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Escritas</source>
        <translation>लिखे हुए</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Esquecer o login de %@</source>
        <translation>%@ का लॉगिन भूल जाएँ</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Essa qualidade não existe para este vídeo — tente “Melhor qualidade”.</source>
        <translation>इस वीडियो के लिए वह गुणवत्ता उपलब्ध नहीं है — “सबसे अच्छी गुणवत्ता” आज़माएँ।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Esta pasta está vazia.</source>
        <translation>यह फ़ोल्डर खाली है।</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Este link leva para a sua rede local, e links vindos de fora não podem chegar a ela. Se você confia nele, cole o link na janela.</source>
        <translation>यह लिंक आपके स्थानीय नेटवर्क में ले जाता है, और बाहर से आए लिंक वहाँ नहीं पहुँच सकते। अगर आपको इस पर भरोसा है, तो लिंक को विंडो में चिपकाएँ।</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Este link não pode ser seguido: use o endereço (http ou https) de um canal, uma playlist ou um feed.</source>
        <translation>इस लिंक को फ़ॉलो नहीं किया जा सकता: किसी चैनल, प्लेलिस्ट या फ़ीड का पता (http या https) इस्तेमाल करें।</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Este link não é suportado (não achei vídeo nele).</source>
        <translation>यह लिंक समर्थित नहीं है (इसमें कोई वीडियो नहीं मिला)।</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Este link não é uma playlist.</source>
        <translation>यह लिंक प्लेलिस्ट नहीं है।</translation>
    </message>
    <message>
        <location filename="../../host/main.cpp"/>
        <source>Este programa é iniciado pelo navegador para a extensão do Vireloom; não é para ser aberto à mão.</source>
        <translation>इस प्रोग्राम को ब्राउज़र Vireloom के एक्सटेंशन के लिए शुरू करता है; इसे हाथ से खोलने के लिए नहीं बनाया गया है।</translation>
    </message>
    <message>
        <source>Este yt-dlp tem mais de %d dias e não consegui ver se há outro.</source>
        <translation type="vanished">यह yt-dlp %d दिन से ज़्यादा पुराना है और नए संस्करण की जाँच नहीं हो सकी।</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Este yt-dlp tem mais de %d dias; não foi possível verificar se há uma versão mais nova.</source>
        <translation>यह yt-dlp %d दिन से ज़्यादा पुराना है; यह जाँचा नहीं जा सका कि कोई नया संस्करण है या नहीं।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Estes sites usam logo de início o login de navegador que resolveu um download deles.</source>
        <translation>ये साइटें शुरू से वही ब्राउज़र लॉगिन इस्तेमाल करती हैं जिससे उनका कोई डाउनलोड सफल हुआ।</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>Estável</source>
        <translation>स्थिर</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Extensão do navegador</source>
        <translation>ब्राउज़र एक्सटेंशन</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Faixa de áudio</source>
        <translation>ऑडियो ट्रैक</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Falha ao descompactar %@: %@</source>
        <translation>%@ को अनज़िप नहीं किया जा सका: %@</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Falhou: %@</source>
        <translation>विफल: %@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Falta instalar o motor de download</source>
        <translation>डाउनलोड इंजन इंस्टॉल नहीं है</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Falta o Deno</source>
        <translation>Deno मौजूद नहीं है</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Falta o ffmpeg</source>
        <translation>ffmpeg मौजूद नहीं है</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Falta o ffmpeg para juntar ou converter o arquivo. Instale o que falta em Ajustes ▸ Motor.</source>
        <translation>इस फ़ाइल को जोड़ने या कन्वर्ट करने के लिए ffmpeg चाहिए, और वह मौजूद नहीं है। सेटिंग्स ▸ इंजन में छूटे हुए घटक इंस्टॉल करें।</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Faltam componentes do motor</source>
        <translation>इंजन के कुछ घटक नहीं हैं</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/LogSheet.qml"/>
        <location filename="../../ui/qml/shell/NoticeBar.qml"/>
        <source>Fechar</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Fila</source>
        <translation>कतार</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Fim da janela</source>
        <translation>अंतराल का अंत</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Finalizando</source>
        <translation>पूरा किया जा रहा है</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Finalizando — juntando áudio e vídeo…</source>
        <translation>पूरा किया जा रहा है — ऑडियो और वीडियो जोड़े जा रहे हैं…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Formato</source>
        <translation>फ़ॉर्मैट</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <source>Formatos</source>
        <translation>फ़ॉर्मैट</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Frequência</source>
        <translation>कितनी बार</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Geral</source>
        <translation>सामान्य</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Gravando os metadados</source>
        <translation>मेटाडेटा लिखा जा रहा है</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Gravar título e autor nos metadados</source>
        <translation>मेटाडेटा में शीर्षक और लेखक लिखें</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>HTTP %ld ao baixar %@</source>
        <translation>HTTP %ld: %@ डाउनलोड करते समय</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Histórico</source>
        <translation>इतिहास</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Horas como 01:00. Se o fim vem antes do início, a janela passa da meia-noite.</source>
        <translation>01:00 जैसे समय। अगर अंत शुरुआत से पहले हो, तो अंतराल आधी रात के पार चलता है।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Horários</source>
        <translation>समय-सारिणी</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/shell.cpp"/>
        <source>Há %ld download em andamento|Há %ld downloads em andamento</source>
        <translation>
            <numerusform>%ld डाउनलोड चल रहा है</numerusform>
            <numerusform>%ld डाउनलोड चल रहे हैं</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Há um %@ mais novo</source>
        <translation>नया %@ आ गया है</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Há um %@ mais novo: %@ (este é %@).</source>
        <translation>नया %@ आ गया है: %@ (यह वाला %@ है)।</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Há um yt-dlp mais novo</source>
        <translation>नया yt-dlp आ गया है</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Há um yt-dlp mais novo: %@ (este é %@).</source>
        <translation>नया yt-dlp आ गया है: %@ (यह वाला %@ है)।</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Há versões novas do ffmpeg e do Deno</source>
        <translation>ffmpeg और Deno के नए संस्करण आ गए हैं</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Idioma do áudio</source>
        <translation>ऑडियो की भाषा</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Idiomas das legendas</source>
        <translation>उपशीर्षक की भाषाएँ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/ClipboardBanner.qml"/>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Ignorar</source>
        <translation>अनदेखा करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Importar</source>
        <translation>आयात करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Importar links de um arquivo</source>
        <translation>फ़ाइल से लिंक आयात करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Importar links…</source>
        <translation>लिंक आयात करें…</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Indisponível</source>
        <translation>अनुपलब्ध</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Inicia sem janela, na bandeja; os downloads e as fontes seguidas continuam.</source>
        <translation>बिना विंडो के, सिस्टम ट्रे में शुरू करें; डाउनलोड और फ़ॉलो किए गए स्रोत चलते रहते हैं।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Iniciar agora</source>
        <translation>अभी शुरू करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Iniciar o Vireloom ao entrar na sessão, na bandeja</source>
        <translation>लॉगिन करने पर Vireloom को सिस्टम ट्रे में शुरू करें</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Instala o que falta do motor e atualiza o yt-dlp, sem abrir a janela.</source>
        <translation>विंडो खोले बिना, इंजन के छूटे हुए घटक इंस्टॉल करें और yt-dlp अपडेट करें।</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Instalar Deno</source>
        <translation>Deno इंस्टॉल करें</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Instalar agora</source>
        <translation>अभी इंस्टॉल करें</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Instalar o que falta</source>
        <translation>छूटे हुए घटक इंस्टॉल करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Integração</source>
        <translation>एकीकरण</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Início da janela</source>
        <translation>अंतराल की शुरुआत</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Item %ld</source>
        <translation>आइटम %ld</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Item %ld: %@</source>
        <translation>आइटम %ld: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Itens da playlist</source>
        <translation>प्लेलिस्ट के आइटम</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Janela de downloads</source>
        <translation>डाउनलोड का समय-अंतराल</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Juntando as partes</source>
        <translation>हिस्से जोड़े जा रहे हैं</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Juntando vídeo e áudio</source>
        <translation>वीडियो और ऑडियो जोड़े जा रहे हैं</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Já baixado, consta no arquivo</source>
        <translation>पहले ही डाउनलोड किया गया, संग्रह में दर्ज है</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Já está na sua pasta</source>
        <translation>पहले से आपके फ़ोल्डर में है</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Já existe “%@” nesta pasta.</source>
        <translation>“%@” इस फ़ोल्डर में पहले से मौजूद है।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Lançadores e Terminal</source>
        <translation>लॉन्चर और टर्मिनल</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Legendas</source>
        <translation>उपशीर्षक</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Lendo a lista…</source>
        <translation>सूची पढ़ी जा रही है…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Lendo as faixas e os formatos do link…</source>
        <translation>लिंक के ट्रैक और फ़ॉर्मैट पढ़े जा रहे हैं…</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Lendo informações…</source>
        <translation>जानकारी पढ़ी जा रही है…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Limite de velocidade</source>
        <translation>गति सीमा</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Limpar</source>
        <translation>साफ़ करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>Limpar concluídos</source>
        <translation>पूरे हुए हटाएँ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Limpar histórico</source>
        <translation>इतिहास साफ़ करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Limpar o histórico?</source>
        <translation>इतिहास साफ़ करें?</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/ClipboardBanner.qml"/>
        <source>Link copiado</source>
        <translation>कॉपी किया गया लिंक</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Link de um canal, playlist ou feed</source>
        <translation>किसी चैनल, प्लेलिस्ट या फ़ीड का लिंक</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Links da rede local vindos de outros programas</source>
        <translation>दूसरे प्रोग्रामों से आए स्थानीय नेटवर्क के लिंक</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Links vindos de fora só passam por um proxy http ou socks5. Mude o proxy em Ajustes ▸ Conexão ou cole o link na janela.</source>
        <translation>बाहर से आए लिंक सिर्फ़ http या socks5 प्रॉक्सी से होकर जा सकते हैं। सेटिंग्स ▸ कनेक्शन में प्रॉक्सी बदलें या लिंक को विंडो में चिपकाएँ।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/LogSheet.qml"/>
        <source>Log do download</source>
        <translation>डाउनलोड लॉग</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Logins lembrados</source>
        <translation>याद रखे गए लॉगिन</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>MENU</source>
        <translation>मेनू</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Mais formatos…</source>
        <translation>और फ़ॉर्मैट…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Manter os dois</source>
        <translation>दोनों रखें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Marcar</source>
        <translation>चिह्नित करें</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Melhor</source>
        <translation>सबसे अच्छी</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Melhor qualidade</source>
        <translation>सबसे अच्छी गुणवत्ता</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Menu principal</source>
        <translation>मुख्य मेनू</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra a versão e sai.</source>
        <translation>संस्करण दिखाएँ और बाहर निकलें।</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra as fontes seguidas, uma por linha, e sai.</source>
        <translation>फ़ॉलो किए गए स्रोत, हर पंक्ति में एक, दिखाएँ और बाहर निकलें।</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra esta ajuda e sai.</source>
        <translation>यह सहायता दिखाएँ और बाहर निकलें।</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Mostra os programas do motor, suas versões e se há atualização.</source>
        <translation>इंजन के प्रोग्राम, उनके संस्करण और कोई अपडेट ज्ञात है या नहीं, यह दिखाएँ।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Mostrar log</source>
        <translation>लॉग दिखाएँ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Mostrar na pasta</source>
        <translation>फ़ोल्डर में दिखाएँ</translation>
    </message>
    <message>
        <location filename="../../app/trayicon.cpp"/>
        <source>Mostrar o Vireloom</source>
        <translation>Vireloom दिखाएँ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Mostrar pasta do motor</source>
        <translation>इंजन का फ़ोल्डर दिखाएँ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Motor</source>
        <translation>इंजन</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Motor incompleto</source>
        <translation>इंजन अधूरा है</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <location filename="../../engine/playlistlisting.cpp"/>
        <source>Motor não instalado</source>
        <translation>इंजन इंस्टॉल नहीं है</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <location filename="../../ui/followingview.cpp"/>
        <source>Motor não instalado — clique em Instalar agora.</source>
        <translation>इंजन इंस्टॉल नहीं है — अभी इंस्टॉल करें पर क्लिक करें।</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Motor pronto · yt-dlp %@</source>
        <translation>इंजन तैयार · yt-dlp %@</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Motor pronto ✓</source>
        <translation>इंजन तैयार ✓</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Movendo para a pasta</source>
        <translation>फ़ोल्डर में ले जाया जा रहा है</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Música: trecho sem música</source>
        <translation>संगीत: बिना संगीत वाला हिस्सा</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Na fila</source>
        <translation>कतार में</translation>
    </message>
    <message>
        <location filename="../../ui/historyview.cpp"/>
        <source>Nada encontrado.</source>
        <translation>कुछ नहीं मिला।</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Nada para seguir em %@: não é um canal, uma playlist nem um feed, ou já não existe.</source>
        <translation>%@ पर फ़ॉलो करने को कुछ नहीं है: यह चैनल, प्लेलिस्ट या फ़ीड नहीं है, या अब मौजूद नहीं है।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Nada é apagado: o que já foi baixado continua na pasta. Só não chega mais nada desta fonte.</source>
        <translation>कुछ भी नहीं हटाया जाता: जो डाउनलोड हो चुका है वह अपने फ़ोल्डर में रहता है। बस इस स्रोत से आगे कुछ नहीं आएगा।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Navegadores</source>
        <translation>ब्राउज़र</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Nenhum</source>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Nenhum aplicativo pôde abrir o arquivo.</source>
        <translation>कोई भी ऐप फ़ाइल नहीं खोल सका।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/EmptyCard.qml"/>
        <source>Nenhum download por enquanto</source>
        <translation>अभी तक कोई डाउनलोड नहीं</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Nenhum gerenciador de arquivos pôde abrir %@.</source>
        <translation>कोई भी फ़ाइल मैनेजर %@ नहीं खोल सका।</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Nenhum navegador compatível foi encontrado.</source>
        <translation>कोई समर्थित ब्राउज़र नहीं मिला।</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <source>Nenhum navegador estava configurado pelo Vireloom.</source>
        <translation>Vireloom ने कोई ब्राउज़र सेट अप नहीं किया था।</translation>
    </message>
    <message>
        <location filename="../../platform/linuxdesktop.cpp"/>
        <source>Nenhum navegador pôde abrir o link.</source>
        <translation>कोई भी ब्राउज़र लिंक नहीं खोल सका।</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Nenhum yt-dlp foi deixado de lado.</source>
        <translation>कोई yt-dlp अलग नहीं रखा गया है।</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>Nightly (de toda noite)</source>
        <translation>Nightly (हर रात)</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Nome da nova pasta</source>
        <translation>नए फ़ोल्डर का नाम</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Nome do arquivo</source>
        <translation>फ़ाइल का नाम</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Nova pasta</source>
        <translation>नया फ़ोल्डर</translation>
    </message>
    <message>
        <location filename="../../host/browserhost.cpp"/>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>Não consegui abrir o Vireloom.</source>
        <translation>Vireloom को खोला नहीं जा सका।</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Não consegui conectar ao site. Verifique sua conexão com a internet e tente de novo.</source>
        <translation>साइट से कनेक्ट नहीं हो सका। अपना इंटरनेट कनेक्शन जाँचें और फिर से कोशिश करें।</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não consegui entregar o pedido ao Vireloom aberto nem gravá-lo com segurança: nada foi seguido.</source>
        <translation>अनुरोध न तो चल रहे Vireloom को सौंपा जा सका और न ही सुरक्षित रूप से सहेजा जा सका: कुछ भी फ़ॉलो नहीं किया गया।</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Não consegui falar com o site: tentando de novo mais tarde</source>
        <translation>साइट से संपर्क नहीं हो सका: बाद में फिर से कोशिश की जाएगी</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não consegui gravar %@.</source>
        <translation>%@ लिखा नहीं जा सका।</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>Não consegui iniciar o yt-dlp: %@</source>
        <translation>yt-dlp शुरू नहीं हो सका: %@</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não consegui ler %@.</source>
        <translation>%@ पढ़ा नहीं जा सका।</translation>
    </message>
    <message>
        <location filename="../../platform/autostart.cpp"/>
        <source>Não consegui mudar a inicialização com a sessão: %@</source>
        <translation>लॉगिन पर शुरू होने की सेटिंग बदली नहीं जा सकी: %@</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Não consegui mudar:</source>
        <translation>बदला नहीं जा सका:</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Não consegui verificar %@: %@</source>
        <translation>%@ सत्यापित नहीं हो सका: %@</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Não consigo gravar na pasta de download. Escolha outra pasta em Ajustes ▸ Geral.</source>
        <translation>डाउनलोड फ़ोल्डर में लिखा नहीं जा सकता। सेटिंग्स ▸ सामान्य में कोई दूसरा फ़ोल्डर चुनें।</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Não encontrada: o link sumiu, é privado ou não é uma lista</source>
        <translation>नहीं मिला: लिंक हट गया है, निजी है या सूची नहीं है</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Não foi possível criar “%@” nesta pasta.</source>
        <translation>“%@” इस फ़ोल्डर में नहीं बनाया जा सका।</translation>
    </message>
    <message>
        <location filename="../../intake/linkfile.cpp"/>
        <source>Não foi possível ler %@.</source>
        <translation>%@ पढ़ा नहीं जा सका।</translation>
    </message>
    <message>
        <location filename="../../engine/playlistlisting.cpp"/>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>Não foi possível ler a lista.</source>
        <translation>सूची पढ़ी नहीं जा सकी।</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Não havia link no que você soltou.</source>
        <translation>आपने जो छोड़ा उसमें कोई लिंक नहीं था।</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Não há espaço livre no disco. Libere espaço ou escolha outra pasta em Ajustes ▸ Geral.</source>
        <translation>डिस्क भर गई है। कुछ जगह खाली करें या सेटिंग्स ▸ सामान्य में कोई दूसरा फ़ोल्डर चुनें।</translation>
    </message>
    <message>
        <location filename="../../ui/shell.cpp"/>
        <source>Não há link na área de transferência.</source>
        <translation>क्लिपबोर्ड पर कोई लिंक नहीं है।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/DropFrame.qml"/>
        <source>Não há link neste texto</source>
        <translation>इस टेक्स्ट में कोई लिंक नहीं है</translation>
    </message>
    <message>
        <location filename="../../root/downloader.cpp"/>
        <source>Não há links em %@.</source>
        <translation>%@ में कोई लिंक नहीं है।</translation>
    </message>
    <message>
        <location filename="../../ui/inputcardmodel.cpp"/>
        <source>Não há um link neste texto. Cole um endereço que comece com http:// ou https://.</source>
        <translation>इस टेक्स्ट में कोई लिंक नहीं है। http:// या https:// से शुरू होने वाला पता चिपकाएँ।</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>Não há versão anterior do yt-dlp.</source>
        <translation>कोई पिछला yt-dlp नहीं है।</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>Não se sabe se há um yt-dlp mais novo.</source>
        <translation>पता नहीं कि कोई नया yt-dlp है या नहीं।</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>Não usar</source>
        <translation>इस्तेमाल न करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Não usar o arquivo</source>
        <translation>फ़ाइल इस्तेमाल न करें</translation>
    </message>
    <message>
        <location filename="../../app/followingcommands.cpp"/>
        <source>Não é um link que se possa seguir: %@</source>
        <translation>यह ऐसा लिंक नहीं है जिसे फ़ॉलो किया जा सके: %@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>O Deno %@ precisa ser atualizado: as versões novas do yt-dlp exigem o Deno %d.%d ou mais novo para alguns sites.</source>
        <translation>Deno %@ को अपडेट करना ज़रूरी है: yt-dlp की नई रिलीज़ को कुछ साइटों के लिए Deno %d.%d या उससे नया चाहिए।</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>O Deno precisa ser atualizado</source>
        <translation>Deno को अपडेट करना ज़रूरी है</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>O Vireloom aberto verifica agora todas as fontes seguidas.</source>
        <translation>चल रहा Vireloom अभी सभी फ़ॉलो किए गए स्रोत जाँचता है।</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O Vireloom baixa um link http ou https por vez, e este não é um.</source>
        <translation>Vireloom एक बार में एक http या https लिंक डाउनलोड करता है, और यह वैसा लिंक नहीं है।</translation>
    </message>
    <message>
        <location filename="../../app/main.cpp"/>
        <source>O Vireloom continua baixando em segundo plano. Abra o Vireloom de novo para ver a janela.</source>
        <translation>Vireloom पृष्ठभूमि में डाउनलोड करता रहता है। विंडो देखने के लिए Vireloom फिर से खोलें।</translation>
    </message>
    <message>
        <location filename="../../host/browserhost.cpp"/>
        <source>O Vireloom está aberto, mas não respondeu. Tente de novo em um instante.</source>
        <translation>Vireloom खुला है, लेकिन उसने जवाब नहीं दिया। थोड़ी देर में फिर से कोशिश करें।</translation>
    </message>
    <message>
        <location filename="../../host/browserhost.cpp"/>
        <source>O Vireloom não abriu a tempo. Tente de novo.</source>
        <translation>Vireloom समय पर नहीं खुला। फिर से कोशिश करें।</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O Vireloom não conhece este pedido do navegador. Atualize o Vireloom ou a extensão.</source>
        <translation>Vireloom ब्राउज़र के इस अनुरोध को नहीं पहचानता। Vireloom या एक्सटेंशन को अपडेट करें।</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O Vireloom não entendeu a mensagem do navegador.</source>
        <translation>Vireloom ब्राउज़र का संदेश नहीं पढ़ सका।</translation>
    </message>
    <message>
        <location filename="../../app/main.cpp"/>
        <source>O Vireloom não está aberto: não há o que verificar.</source>
        <translation>Vireloom नहीं चल रहा: जाँचने के लिए कुछ नहीं है।</translation>
    </message>
    <message>
        <location filename="../../engine/downloadqueue.cpp"/>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O arquivo de cookies não existe ou não pode ser lido.</source>
        <translation>कुकी फ़ाइल मौजूद नहीं है या पढ़ी नहीं जा सकती।</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O arquivo de cookies “%@” não pôde ser lido. Escolha outro em Ajustes ▸ Conexão.</source>
        <translation>कुकी फ़ाइल “%@” पढ़ी नहीं जा सकी। सेटिंग्स ▸ कनेक्शन में कोई दूसरी चुनें।</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O download falhou.</source>
        <translation>डाउनलोड विफल रहा।</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O download falhou. Última mensagem do yt-dlp: %@</source>
        <translation>डाउनलोड विफल रहा। yt-dlp का अंतिम संदेश: %@</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O início precisa vir antes do fim.</source>
        <translation>शुरुआत अंत से पहले होनी चाहिए।</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O login que o navegador mandou não pôde ser lido; nada foi baixado.</source>
        <translation>ब्राउज़र का भेजा हुआ लॉगिन पढ़ा नहीं जा सका; कुछ भी डाउनलोड नहीं हुआ।</translation>
    </message>
    <message>
        <location filename="../../intake/browsermessage.cpp"/>
        <source>O navegador mandou uma mensagem grande demais para o Vireloom.</source>
        <translation>ब्राउज़र ने Vireloom को बहुत बड़ा संदेश भेजा।</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O nome não pode ficar vazio.</source>
        <translation>नाम खाली नहीं हो सकता।</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O nome precisa ficar dentro da pasta de downloads.</source>
        <translation>नाम डाउनलोड फ़ोल्डर के अंदर ही रहना चाहिए।</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O nome precisa terminar em .%(ext)s.</source>
        <translation>नाम .%(ext)s पर ख़त्म होना चाहिए।</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo %@ não respondeu com uma versão e foi removido.</source>
        <translation>नए %@ ने कोई संस्करण नहीं बताया और उसे हटा दिया गया।</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo %@ não respondeu com uma versão; o anterior foi reposto.</source>
        <translation>नए %@ ने कोई संस्करण नहीं बताया; पिछला वापस लगा दिया गया।</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo yt-dlp não respondeu com uma versão e foi removido.</source>
        <translation>नए yt-dlp ने कोई संस्करण नहीं बताया और उसे हटा दिया गया।</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O novo yt-dlp não respondeu com uma versão; o anterior foi reposto.</source>
        <translation>नए yt-dlp ने कोई संस्करण नहीं बताया; पिछला वापस लगा दिया गया है।</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>O programa que recebe os links do navegador (vireloom-browser-host) não foi encontrado junto do Vireloom.</source>
        <translation>ब्राउज़र से लिंक लेने वाला प्रोग्राम (vireloom-browser-host) Vireloom के साथ नहीं मिला।</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>O proxy definido em Ajustes não respondeu.</source>
        <translation>सेटिंग्स में सेट किए गए प्रॉक्सी ने जवाब नहीं दिया।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>O que é novo</source>
        <translation>जो नया है</translation>
    </message>
    <message>
        <source>O seu yt-dlp, %@, tem %d dias e não consegui ver se há outro.</source>
        <translation type="vanished">आपका yt-dlp, %@, %d दिन पुराना है और नए संस्करण की जाँच नहीं हो सकी।</translation>
    </message>
    <message>
        <location filename="../../platform/autostart.cpp"/>
        <source>O sistema não consegue iniciar um programa neste caminho: %@</source>
        <translation>डेस्कटॉप इस पथ पर कोई प्रोग्राम शुरू नहीं कर सकता: %@</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>O site de versões (%@) não respondeu a tempo.</source>
        <translation>रिलीज़ साइट (%@) ने समय पर जवाब नहीं दिया।</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>O site de versões (%@) recusou a conexão.</source>
        <translation>रिलीज़ साइट (%@) ने कनेक्शन अस्वीकार कर दिया।</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site demorou demais para responder. Tente de novo em alguns minutos.</source>
        <translation>साइट ने जवाब देने में बहुत देर लगाई। कुछ मिनट बाद फिर से कोशिश करें।</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site está com problemas no momento (erro do servidor). Tente de novo mais tarde.</source>
        <translation>साइट में अभी समस्या है (सर्वर त्रुटि)। बाद में फिर से कोशिश करें।</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site limitou as requisições (429). Espere alguns minutos ou use o login do navegador.</source>
        <translation>साइट अनुरोधों को सीमित कर रही है (429)। कुछ मिनट रुकें या ब्राउज़र का लॉगिन इस्तेमाल करें।</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site mudou e este yt-dlp não o entende mais. Atualize o yt-dlp em Ajustes ▸ Motor.</source>
        <translation>साइट बदल गई है और यह yt-dlp अब उसे नहीं समझता। सेटिंग्स ▸ इंजन में yt-dlp अपडेट करें।</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site negou o acesso a este endereço (403). Talvez ele exija login ou não esteja disponível para você.</source>
        <translation>साइट ने इस पते तक पहुँच से इनकार कर दिया (403)। हो सकता है इसके लिए लॉगिन चाहिए या यह आपके लिए उपलब्ध न हो।</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site não tem esta página ou este arquivo (não existe ou foi removido). Confira o link.</source>
        <translation>साइट पर यह पेज या फ़ाइल नहीं है (यह मौजूद नहीं है या हटा दी गई है)। लिंक जाँचें।</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site pediu login/verificação. Em Ajustes ▸ Formato, escolha um navegador em “Usar login do navegador”.</source>
        <translation>साइट ने लॉगिन/सत्यापन माँगा है। सेटिंग्स ▸ फ़ॉर्मैट में, “ब्राउज़र का लॉगिन इस्तेमाल करें” के अंतर्गत कोई ब्राउज़र चुनें।</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>O site pediu uma pausa: tentando de novo mais tarde</source>
        <translation>साइट ने विराम माँगा: बाद में फिर से कोशिश की जाएगी</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>O site pediu uma pausa: verificando a cada %ld h</source>
        <translation>साइट ने विराम माँगा: हर %ld घंटे में जाँच हो रही है</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O site recusou a conexão. Ele pode estar fora do ar; tente de novo mais tarde.</source>
        <translation>साइट ने कनेक्शन अस्वीकार कर दिया। हो सकता है वह बंद हो; बाद में फिर से कोशिश करें।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>O título do vídeo (padrão)</source>
        <translation>वीडियो का शीर्षक (डिफ़ॉल्ट)</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>O yt-dlp está na versão mais recente.</source>
        <translation>yt-dlp नवीनतम संस्करण पर है।</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>O yt-dlp leria este caminho de outro jeito (troca “$nome” por variáveis e corta espaços nas pontas): escolha outra pasta.</source>
        <translation>yt-dlp इस पथ को अलग तरह से पढ़ेगा (यह “$नाम” को वेरिएबल से बदल देता है और सिरों की खाली जगह काट देता है): कोई दूसरा फ़ोल्डर चुनें।</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>O yt-dlp não conseguiu listar esta fonte</source>
        <translation>yt-dlp इस स्रोत की सूची नहीं बना सका</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>O yt-dlp pode estar desatualizado</source>
        <translation>yt-dlp शायद पुराना हो गया है</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>O yt-dlp precisa do Deno para este site. Instale o Deno em Ajustes ▸ Motor.</source>
        <translation>इस साइट के लिए yt-dlp को Deno चाहिए। सेटिंग्स ▸ इंजन में Deno इंस्टॉल करें।</translation>
    </message>
    <message>
        <location filename="../../installer/install.cpp"/>
        <source>O yt-dlp publicado (%@) é mais antigo que o instalado (%@); nada foi trocado.</source>
        <translation>प्रकाशित yt-dlp (%@) इंस्टॉल किए गए (%@) से पुराना है; कुछ भी नहीं बदला गया।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Opção desconhecida: %@</source>
        <translation>अज्ञात विकल्प: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Opções</source>
        <translation>विकल्प</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Opções do download</source>
        <translation>डाउनलोड विकल्प</translation>
    </message>
    <message>
        <location filename="../../ui/historyview.cpp"/>
        <source>Os downloads concluídos aparecem aqui.</source>
        <translation>पूरे हुए डाउनलोड यहाँ दिखते हैं।</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Os pacotes da extensão não estão junto deste Vireloom.</source>
        <translation>एक्सटेंशन के पैकेज इस Vireloom के साथ इंस्टॉल नहीं हैं।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Os sites mudam com frequência. Se algo que funcionava começar a falhar, atualize o yt-dlp.</source>
        <translation>साइटें अक्सर बदलती रहती हैं। अगर पहले चलने वाली कोई चीज़ विफल होने लगे, तो yt-dlp अपडेट करें।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <source>Outro programa pediu um link da sua rede local (%@). Baixar mesmo assim?</source>
        <translation>किसी दूसरे प्रोग्राम ने आपके स्थानीय नेटवर्क का एक लिंक माँगा है (%@)। फिर भी डाउनलोड करें?</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Para links enviados por outros programas, pela área de transferência ou pelo menu. O campo de link guarda a própria escolha.</source>
        <translation>दूसरे प्रोग्रामों से, क्लिपबोर्ड से या मेनू से भेजे गए लिंक के लिए। लिंक फ़ील्ड अपना चुनाव अलग रखता है।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Para quando o login do navegador falha: um cookies.txt exportado.</source>
        <translation>जब ब्राउज़र का लॉगिन काम न करे: एक्सपोर्ट की गई cookies.txt फ़ाइल।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Para vídeos que exigem conta (Instagram, privados).</source>
        <translation>उन वीडियो के लिए जिनके लिए खाता चाहिए (Instagram, निजी)।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/FileChooserSheet.qml"/>
        <source>Pasta de cima</source>
        <translation>ऊपर वाला फ़ोल्डर</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Patrocínio</source>
        <translation>प्रायोजन</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Pausa entre itens da playlist</source>
        <translation>प्लेलिस्ट आइटम के बीच विराम</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Pausa entre pedidos</source>
        <translation>अनुरोधों के बीच विराम</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Pausada</source>
        <translation>रुका हुआ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Pausar</source>
        <translation>रोकें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Pedaços baixados ao mesmo tempo quando o vídeo vem em partes, como na maioria dos sites.</source>
        <translation>जब वीडियो हिस्सों में आता है, जैसा ज़्यादातर साइटों पर होता है, तब एक साथ लाए जाने वाले टुकड़े।</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Pedido de interação</source>
        <translation>सहभागिता अनुरोध</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Pela qualidade escolhida</source>
        <translation>चुनी गई गुणवत्ता के अनुसार</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Playlist</source>
        <translation>प्लेलिस्ट</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Playlist inteira</source>
        <translation>पूरी प्लेलिस्ट</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Playlist · %ld</source>
        <translation>प्लेलिस्ट · %ld</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Playlist · %ld de %ld</source>
        <translation>प्लेलिस्ट · %ld / %ld</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Por download, como 500K ou 2M. Vazio: sem limite.</source>
        <translation>हर डाउनलोड के लिए, जैसे 500K या 2M। खाली: कोई सीमा नहीं।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Preferir H.264</source>
        <translation>H.264 को प्राथमिकता दें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Procurar versões novas do yt-dlp</source>
        <translation>yt-dlp के नए संस्करण खोजें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Progresso</source>
        <translation>प्रगति</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/FormatSheet.qml"/>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Pronto</source>
        <translation>हो गया</translation>
    </message>
    <message>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Pronto: %@. Agora adicione a extensão.</source>
        <translation>हो गया: %@। अब एक्सटेंशन जोड़ें।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Proxy</source>
        <translation>प्रॉक्सी</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Prévia</source>
        <translation>पूर्वावलोकन या सारांश</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Próxima: %@</source>
        <translation>अगली: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Pular o que já foi baixado</source>
        <translation>पहले से डाउनलोड किए गए को छोड़ें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/QualityMenu.qml"/>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Qualidade</source>
        <translation>गुणवत्ता</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Qualidade desconhecida: %@</source>
        <translation>अज्ञात गुणवत्ता: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Qualidade padrão</source>
        <translation>डिफ़ॉल्ट गुणवत्ता</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/IntegrationCard.qml"/>
        <source>Quando o login de um navegador resolve um download, o site passa a usá-lo logo de início.</source>
        <translation>जब किसी ब्राउज़र के लॉगिन से डाउनलोड सफल होता है, तो साइट आगे से शुरू में ही उसे इस्तेमाल करती है।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Quando você copia um link e volta para o Vireloom</source>
        <translation>जब आप कोई लिंक कॉपी करके Vireloom पर लौटते हैं</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Remover</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Remover da lista</source>
        <translation>सूची से हटाएँ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>Remover do histórico</source>
        <translation>इतिहास से हटाएँ</translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <source>Removido dos navegadores:</source>
        <translation>इन ब्राउज़रों से हटाया गया:</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Retomar</source>
        <translation>फिर से शुरू करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>Retomar todos</source>
        <translation>सभी फिर से शुरू करें</translation>
    </message>
    <message>
        <location filename="../../app/trayicon.cpp"/>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Sair</source>
        <translation>बाहर निकलें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/QuitDialog.qml"/>
        <source>Sair mesmo assim</source>
        <translation>फिर भी बाहर निकलें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Salvar em</source>
        <translation>इसमें सहेजें</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Salve vídeo ou áudio de links como arquivos</source>
        <translation>लिंक से वीडियो या ऑडियो को फ़ाइलों के रूप में सहेजें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/InputCard.qml"/>
        <source>Se o link fizer parte de uma playlist, baixa todos os vídeos dela</source>
        <translation>अगर लिंक किसी प्लेलिस्ट का हिस्सा है, तो उसके सभी वीडियो डाउनलोड करता है</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/shell/QuitDialog.qml"/>
        <source>Se sair agora, ele será interrompido.|Se sair agora, eles serão interrompidos.</source>
        <translation>
            <numerusform>अगर आप अभी बाहर निकलते हैं, तो यह रुक जाएगा।</numerusform>
            <numerusform>अगर आप अभी बाहर निकलते हैं, तो वे रुक जाएँगे।</numerusform>
        </translation>
    </message>
    <message>
        <source>Se sair agora, eles serão interrompidos.</source>
        <translation type="vanished">अगर आप अभी बाहर निकलते हैं, तो वे रुक जाएँगे।</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Segue um canal, playlist ou feed a partir de agora; com o Vireloom fechado, fica para a próxima vez que ele abrir.</source>
        <translation>अब से किसी चैनल, प्लेलिस्ट या फ़ीड को फ़ॉलो करें; Vireloom न चल रहा हो, तो इसे अगली बार शुरू होने तक रखा जाता है।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <location filename="../../ui/qml/shell/Sidebar.qml"/>
        <source>Seguindo</source>
        <translation>फ़ॉलो किए गए</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Seguindo: a primeira leitura já começou.</source>
        <translation>फ़ॉलो किया जा रहा है: पहली बार पढ़ना शुरू हो गया है।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Seguir</source>
        <translation>फ़ॉलो करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Segundos antes de cada item.</source>
        <translation>हर आइटम से पहले सेकंड।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Segundos. Sites limitam quem pede rápido demais.</source>
        <translation>सेकंड। साइटें बहुत तेज़ी से अनुरोध करने वालों को धीमा कर देती हैं।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ScheduleCard.qml"/>
        <source>Sem abrir a janela: as fontes seguidas e a fila continuam trabalhando.</source>
        <translation>विंडो खोले बिना: फ़ॉलो किए गए स्रोत और कतार काम करते रहते हैं।</translation>
    </message>
    <message>
        <location filename="../../installer/releasecheck.cpp"/>
        <source>Sem conexão com a internet: o site de versões (%@) não pôde ser alcançado.</source>
        <translation>इंटरनेट कनेक्शन नहीं है: रिलीज़ साइट (%@) तक पहुँचा नहीं जा सका।</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Sem dados há %ld min</source>
        <translation>%ld मिनट से कोई डेटा नहीं</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Siga canais, playlists e feeds: cada novidade entra na fila com as escolhas da fonte.</source>
        <translation>चैनल, प्लेलिस्ट और फ़ीड फ़ॉलो करें: हर नई प्रविष्टि स्रोत के चुनावों के साथ कतार में जुड़ जाती है।</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Site não encontrado: este endereço não existe. Confira o link.</source>
        <translation>साइट नहीं मिली: यह पता मौजूद नहीं है। लिंक जाँचें।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/shell/DropFrame.qml"/>
        <source>Solte o link para baixar</source>
        <translation>डाउनलोड करने के लिए लिंक यहाँ छोड़ें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Substituir</source>
        <translation>बदलें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Substituir o arquivo que está na pasta?</source>
        <translation>आपके फ़ोल्डर में मौजूद फ़ाइल बदलें?</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Sugerir links copiados</source>
        <translation>कॉपी किए गए लिंक सुझाएँ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Só a lista é apagada — os arquivos baixados continuam na pasta.</source>
        <translation>सिर्फ़ सूची साफ़ होती है — डाउनलोड की गई फ़ाइलें फ़ोल्डर में बनी रहती हैं।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Só áudio</source>
        <translation>सिर्फ़ ऑडियो</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Só áudio — M4A</source>
        <translation>सिर्फ़ ऑडियो — M4A</translation>
    </message>
    <message>
        <location filename="../../model/quality.cpp"/>
        <source>Só áudio — MP3</source>
        <translation>सिर्फ़ ऑडियो — MP3</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Também os últimos %ld|Também os últimos %ld</source>
        <translation>
            <numerusform>साथ में नवीनतम %ld भी</numerusform>
            <numerusform>साथ में नवीनतम %ld भी</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Tentar a versão nightly</source>
        <translation>nightly बिल्ड आज़माएँ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar com o login de:</source>
        <translation>इस लॉगिन से आज़माएँ:</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar de novo</source>
        <translation>फिर से कोशिश करें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar de novo com o login de %@</source>
        <translation>%@ के लॉगिन से फिर आज़माएँ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Tentar de novo os que falharam</source>
        <translation>विफल हुए आइटम फिर से आज़माएँ</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>Tentar o %@ de novo</source>
        <translation>%@ को फिर से आज़माएँ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/GeneralCard.qml"/>
        <source>Tocar som ao concluir</source>
        <translation>पूरा होने पर आवाज़ चलाएँ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/PlaylistSheet.qml"/>
        <source>Todos</source>
        <translation>सभी</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <location filename="../../ui/qml/shell/PrimaryMenuButton.qml"/>
        <source>Todos os arquivos</source>
        <translation>सभी फ़ाइलें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Total baixado</source>
        <translation>कुल डाउनलोड</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Tratando os trechos patrocinados</source>
        <translation>प्रायोजित हिस्सों को संभाला जा रहा है</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>Trecho</source>
        <translation>अंश</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Tudo que já</source>
        <translation>जो कुछ भी</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Título do vídeo</source>
        <translation>वीडियो का शीर्षक</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Um código como en, de ou pt-BR. Vazio: a faixa original, senão a do idioma da interface.</source>
        <translation>en, de या pt-BR जैसा कोड। खाली: मूल ट्रैक, वरना इंटरफ़ेस की भाषा वाला ट्रैक।</translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <source>Um endereço vireloom: trouxe %ld link; nada foi adicionado.|Um endereço vireloom: trouxe %ld links de uma vez; só um é aceito, e nada foi adicionado.</source>
        <translation>
            <numerusform>एक vireloom: पते में %ld लिंक था; कुछ भी नहीं जोड़ा गया।</numerusform>
            <numerusform>एक vireloom: पते में एक साथ %ld लिंक थे; सिर्फ़ एक स्वीकार किया जाता है, और कुछ भी नहीं जोड़ा गया।</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../app/browsercommands.cpp"/>
        <location filename="../../ui/browsercompanion.cpp"/>
        <source>Um navegador Flatpak pode não ter permissão para abrir o Vireloom fora da sua área isolada.</source>
        <translation>हो सकता है Flatpak ब्राउज़र को अपने सैंडबॉक्स के बाहर Vireloom खोलने की अनुमति न हो।</translation>
    </message>
    <message>
        <location filename="../../ui/folderbrowser.cpp"/>
        <source>Um nome de pasta não pode ser “.” nem “..”, nem ter “/”.</source>
        <translation>फ़ोल्डर का नाम “.” या “..” नहीं हो सकता, और उसमें “/” नहीं हो सकता।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ConnectionCard.qml"/>
        <source>Uma playlist baixada de novo traz só os itens novos.</source>
        <translation>फिर से डाउनलोड की गई प्लेलिस्ट सिर्फ़ नए आइटम लाती है।</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Uma vez por dia</source>
        <translation>दिन में एक बार</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Uma vez por dia, sem baixar nada</source>
        <translation>दिन में एक बार, कुछ भी डाउनलोड किए बिना</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Uma vez por semana</source>
        <translation>हफ़्ते में एक बार</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/FormatCard.qml"/>
        <source>Usar login do navegador</source>
        <translation>ब्राउज़र का लॉगिन इस्तेमाल करें</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use códigos de idioma separados por vírgula, como en.*,pt.</source>
        <translation>अल्पविराम से अलग किए गए भाषा कोड इस्तेमाल करें, जैसे en.*,pt।</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Use tempos como 90, 1:30 ou 1:02:03.</source>
        <translation>90, 1:30 या 1:02:03 जैसे समय इस्तेमाल करें।</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use um código de idioma como en, de ou pt-BR.</source>
        <translation>en, de या pt-BR जैसा भाषा कोड इस्तेमाल करें।</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use um endereço como socks5://127.0.0.1:1080 ou http://proxy:8080.</source>
        <translation>socks5://127.0.0.1:1080 या http://proxy:8080 जैसा पता इस्तेमाल करें।</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <location filename="../../ui/appsettings.cpp"/>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Use um limite como 500K ou 2M (bytes por segundo).</source>
        <translation>500K या 2M (बाइट प्रति सेकंड) जैसी सीमा इस्तेमाल करें।</translation>
    </message>
    <message>
        <source>Use um limite de velocidade maior que zero.</source>
        <translation type="vanished">शून्य से ज़्यादा की गति सीमा इस्तेमाल करें।</translation>
    </message>
    <message>
        <location filename="../../model/downloadoptions.cpp"/>
        <source>Use um número de segundos entre 0 e 600.</source>
        <translation>0 से 600 के बीच सेकंड की संख्या इस्तेमाल करें।</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>Uso: vireloom [opções] [endereço…]</source>
        <translation>उपयोग: vireloom [विकल्प] [पता…]</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadCard.qml"/>
        <source>Ver log</source>
        <translation>लॉग देखें</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Verificando só desta vez: a fonte continua pausada</source>
        <translation>सिर्फ़ इस बार जाँच हो रही है: स्रोत रुका हुआ रहेगा</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Verificando…</source>
        <translation>जाँच हो रही है…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Verificar agora</source>
        <translation>अभी जाँचें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Verificar todas</source>
        <translation>सभी जाँचें</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Versões do yt-dlp</source>
        <translation>yt-dlp की रिलीज़</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Você ainda não segue nada.</source>
        <translation>आप अभी कुछ भी फ़ॉलो नहीं कर रहे हैं।</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>Você já segue este link.</source>
        <translation>आप इस लिंक को पहले से फ़ॉलो कर रहे हैं।</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>Voltando ao yt-dlp anterior…</source>
        <translation>पिछले yt-dlp पर लौटा जा रहा है…</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Voltar ao yt-dlp %@</source>
        <translation>yt-dlp %@ पर वापस जाएँ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/EngineCard.qml"/>
        <source>Voltar ao yt-dlp anterior</source>
        <translation>पिछले yt-dlp पर वापस जाएँ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Voltar à pasta padrão</source>
        <translation>डिफ़ॉल्ट फ़ोल्डर पर लौटें</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>Vídeo privado.</source>
        <translation>निजी वीडियो।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>YouTube, Instagram, Vimeo, X, TikTok e mais de mil sites. Em até 4K, ou só o áudio.</source>
        <translation>YouTube, Instagram, Vimeo, X, TikTok और एक हज़ार से ज़्यादा साइटें। 4K तक, या सिर्फ़ ऑडियो।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/DownloadsPage.qml"/>
        <source>a estrela traz.</source>
        <translation>तारा उसे ले आएगा।</translation>
    </message>
    <message>
        <location filename="../../ui/followingview.cpp"/>
        <source>agora</source>
        <translation>अभी</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryRow.qml"/>
        <source>arquivo movido</source>
        <translation>फ़ाइल दूसरी जगह ले जाई गई</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>caiu por aqui.</source>
        <translation>यहाँ से गुज़रा।</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>cerca de %@</source>
        <translation>लगभग %@</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>cerca de %@, sem o tamanho de %ld</source>
        <translation>लगभग %@, %ld का आकार छोड़कर</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>chega sozinho.</source>
        <translation>अपने आप आ जाता है।</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>com o login de %@</source>
        <translation>%@ के लॉगिन के साथ</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>com o login do seu navegador</source>
        <translation>आपके ब्राउज़र के लॉगिन के साथ</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>como nos ajustes</source>
        <translation>सेटिंग्स के अनुसार</translation>
    </message>
    <message>
        <location filename="../../app/launchoptions.cpp"/>
        <source>endereço</source>
        <translation>पता</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>faltam %@</source>
        <translation>%@ बाकी</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>ffmpeg junta vídeo e áudio e converte para MP3.</source>
        <translation>ffmpeg वीडियो और ऑडियो को जोड़ता है और MP3 में कन्वर्ट करता है।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>fim</source>
        <translation>अंत</translation>
    </message>
    <message>
        <location filename="../../ui/settingsview.cpp"/>
        <source>instalado</source>
        <translation>इंस्टॉल है</translation>
    </message>
    <message>
        <location filename="../../ui/qml/downloads/OptionsSheet.qml"/>
        <source>início</source>
        <translation>शुरुआत</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>item %@</source>
        <translation>आइटम %@</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <location filename="../../ui/settingsview.cpp"/>
        <source>não encontrado</source>
        <translation>नहीं मिला</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>original</source>
        <translation>मूल</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/SettingsPage.qml"/>
        <source>sem complicação.</source>
        <translation>बिना झंझट।</translation>
    </message>
    <message>
        <location filename="../../ui/cardtexts.cpp"/>
        <source>sem o login do navegador: ele não fica guardado quando o Vireloom fecha</source>
        <translation>ब्राउज़र के लॉगिन के बिना: Vireloom बंद होने पर यह नहीं रखा जाता</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>sem áudio</source>
        <translation>बिना ऑडियो</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>só vídeo</source>
        <translation>सिर्फ़ वीडियो</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>só áudio</source>
        <translation>सिर्फ़ ऑडियो</translation>
    </message>
    <message>
        <location filename="../../ui/playlistplan.cpp"/>
        <source>tamanho desconhecido</source>
        <translation>आकार अज्ञात</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ de volta ✓</source>
        <translation>yt-dlp %@ वापस आ गया ✓</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ foi deixado de lado depois de falhar; nada foi trocado.</source>
        <translation>yt-dlp %@ विफल होने के बाद अलग रख दिया गया; कुछ भी नहीं बदला गया।</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ instalado e verificado ✓</source>
        <translation>yt-dlp %@ इंस्टॉल और सत्यापित ✓</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ já saiu; o instalado é o %@.</source>
        <translation>yt-dlp %@ आ गया है; इंस्टॉल किया गया %@ है।</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ já saiu; o instalado, %@, tem %d dias.</source>
        <translation>yt-dlp %@ आ गया है; इंस्टॉल किया गया, %@, %d दिन पुराना है।</translation>
    </message>
    <message>
        <source>yt-dlp %@ já saiu; o seu é o %@.</source>
        <translation type="vanished">yt-dlp %@ आ गया है; आपका %@ है।</translation>
    </message>
    <message>
        <source>yt-dlp %@ já saiu; o seu, %@, tem %d dias.</source>
        <translation type="vanished">yt-dlp %@ आ गया है; आपका, %@, %d दिन पुराना है।</translation>
    </message>
    <message>
        <location filename="../../installer/engineinstaller.cpp"/>
        <source>yt-dlp %@ já é a versão mais recente</source>
        <translation>yt-dlp %@ पहले से ही नवीनतम संस्करण है</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ tem %d dias; não foi possível verificar se há uma versão mais nova.</source>
        <translation>yt-dlp %@ %d दिन पुराना है; यह जाँचा नहीं जा सका कि कोई नया संस्करण है या नहीं।</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp %@ é a versão mais recente.</source>
        <translation>yt-dlp %@ नवीनतम संस्करण है।</translation>
    </message>
    <message>
        <source>yt-dlp + ffmpeg + Deno (código aberto). Baixa ~150 MB uma única vez.</source>
        <translation type="vanished">yt-dlp + ffmpeg + Deno (ओपन सोर्स)। सिर्फ़ एक बार ~150 MB का डाउनलोड।</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>yt-dlp deixado de lado (falhou onde o outro funcionou): %@</source>
        <translation>अलग रखा गया yt-dlp (यह वहाँ विफल हुआ जहाँ दूसरे ने काम किया): %@</translation>
    </message>
    <message>
        <location filename="../../ui/enginebannertexts.cpp"/>
        <source>yt-dlp faz os downloads.</source>
        <translation>yt-dlp डाउनलोड करने का काम करता है।</translation>
    </message>
    <message>
        <location filename="../../app/enginecommands.cpp"/>
        <source>yt-dlp que funcionou por último: %@</source>
        <translation>आख़िरी बार काम करने वाला yt-dlp: %@</translation>
    </message>
    <message>
        <location filename="../../engine/failuremessages.cpp"/>
        <source>yt-dlp saiu com código %d</source>
        <translation>yt-dlp कोड %d के साथ बंद हुआ</translation>
    </message>
    <message>
        <location filename="../../ui/downloadoptionsform.cpp"/>
        <source>Áudio</source>
        <translation>ऑडियो</translation>
    </message>
    <message>
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>Última verificação: %@</source>
        <translation>पिछली जाँच: %@</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>Último</source>
        <translation>नवीनतम</translation>
    </message>
    <message>
        <location filename="../../ui/qml/settings/ClockField.qml"/>
        <source>“%@” não é um horário: use, por exemplo, 01:00.</source>
        <translation>“%@” कोई समय नहीं है: उदाहरण के लिए 01:00 इस्तेमाल करें।</translation>
    </message>
    <message>
        <location filename="../../ui/qml/history/HistoryPage.qml"/>
        <source>“Manter os dois” salva o novo download com outro nome; “Substituir” manda o arquivo atual para a lixeira.</source>
        <translation>“दोनों रखें” नए डाउनलोड को दूसरे नाम से सहेजता है; “बदलें” मौजूदा फ़ाइल को ट्रैश में भेज देता है।</translation>
    </message>
</context>
</TS>
