<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="pt_BR">
<context>
    <name>Vireloom</name>
    <message numerus="yes">
        <location filename="../../engine/downloadqueue.cpp"/>
        <source>%ld download concluído|%ld downloads concluídos</source>
        <translation>
            <numerusform>%ld download concluído</numerusform>
            <numerusform>%ld downloads concluídos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/downloads/InterruptedBanner.qml"/>
        <source>%ld download foi interrompido|%ld downloads foram interrompidos</source>
        <translation>
            <numerusform>%ld download foi interrompido</numerusform>
            <numerusform>%ld downloads foram interrompidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/shell.cpp"/>
        <source>%ld download|%ld downloads</source>
        <translation>
            <numerusform>%ld download</numerusform>
            <numerusform>%ld downloads</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/playlistplan.cpp"/>
        <source>%ld indisponível|%ld indisponíveis</source>
        <translation>
            <numerusform>%ld indisponível</numerusform>
            <numerusform>%ld indisponíveis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>%ld item aponta para a sua rede local|%ld itens apontam para a sua rede local</source>
        <translation>
            <numerusform>%ld item aponta para a sua rede local</numerusform>
            <numerusform>%ld itens apontam para a sua rede local</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <location filename="../../ui/queuesummary.cpp"/>
        <source>%ld item|%ld itens</source>
        <translation>
            <numerusform>%ld item</numerusform>
            <numerusform>%ld itens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../root/downloader.cpp"/>
        <source>%ld já estava na fila|%ld já estavam na fila</source>
        <translation>
            <numerusform>%ld já estava na fila</numerusform>
            <numerusform>%ld já estavam na fila</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../root/downloader.cpp"/>
        <source>%ld link adicionado|%ld links adicionados</source>
        <translation>
            <numerusform>%ld link adicionado</numerusform>
            <numerusform>%ld links adicionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../root/downloader.cpp"/>
        <source>%ld novo de %@|%ld novos de %@</source>
        <translation>
            <numerusform>%ld novo de %@</numerusform>
            <numerusform>%ld novos de %@</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingCard.qml"/>
        <source>%ld novo|%ld novos</source>
        <translation>
            <numerusform>%ld novo</numerusform>
            <numerusform>%ld novos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/cardtexts.cpp"/>
        <source>Concluído · %ld arquivo|Concluído · %ld arquivos</source>
        <translation>
            <numerusform>Concluído · %ld arquivo</numerusform>
            <numerusform>Concluído · %ld arquivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/shell.cpp"/>
        <source>Há %ld download em andamento|Há %ld downloads em andamento</source>
        <translation>
            <numerusform>Há %ld download em andamento</numerusform>
            <numerusform>Há %ld downloads em andamento</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/shell/QuitDialog.qml"/>
        <source>Se sair agora, ele será interrompido.|Se sair agora, eles serão interrompidos.</source>
        <translation>
            <numerusform>Se sair agora, ele será interrompido.</numerusform>
            <numerusform>Se sair agora, eles serão interrompidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/following/FollowingPage.qml"/>
        <source>Também os últimos %ld|Também os últimos %ld</source>
        <translation>
            <numerusform>Também os últimos %ld</numerusform>
            <numerusform>Também os últimos %ld</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../ui/qml/downloads/SchemeBanner.qml"/>
        <source>Um endereço vireloom: trouxe %ld link; nada foi adicionado.|Um endereço vireloom: trouxe %ld links de uma vez; só um é aceito, e nada foi adicionado.</source>
        <translation>
            <numerusform>Um endereço vireloom: trouxe %ld link; nada foi adicionado.</numerusform>
            <numerusform>Um endereço vireloom: trouxe %ld links de uma vez; só um é aceito, e nada foi adicionado.</numerusform>
        </translation>
    </message>
</context>
</TS>
