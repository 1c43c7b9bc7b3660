<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Fatal error</name>
    <message>
        <source>Invalid command line</source>
        <comment>Error code is "COMMFATAL"</comment>
        <translation>Ligne de commande invalide</translation>
    </message>
</context>
<context>
    <name>File error</name>
    <message>
        <source>File %1 access problem</source>
        <comment>Error code is "FICNOTOPN"</comment>
        <translation>Problème d'accès au fichier %1</translation>
    </message>
</context>
<context>
    <name>Syntax analysis</name>
    <message>
        <source>%1Unexpected end of file</source>
        <comment>Error code is "UNEXPTEOF"</comment>
        <translation>%1Fin de fichier inattendue</translation>
    </message>
    <message>
        <source>%1Unknown lexical sequence</source>
        <comment>Error code is "LEXSEQUNK"</comment>
        <translation>%1Séquence lexicale inconnue</translation>
    </message>
    <message>
        <source>%1Unexpected end of line</source>
        <comment>Error code is "UNEXPTRET"</comment>
        <translation>%1Fin de ligne inattendue</translation>
    </message>
</context>
<context>
    <name>Command line error</name>
    <message>
        <source>Incorrect -SET option : filters must be upper case letters</source>
        <comment>Error code is "BADFLTVAL"</comment>
        <translation>Option -SET incorrecte : les filtres doivent être des lettres majuscules</translation>
    </message>
    <message>
        <source>Incorrect -BUFSIZE option : buffer size must be a number</source>
        <comment>Error code is "BADBSZVAL"</comment>
        <translation>Option -BUFSIZE incorrecte : la taille du tampon doit être un nombre</translation>
    </message>
</context>
</TS>
