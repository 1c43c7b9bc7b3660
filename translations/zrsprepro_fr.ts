<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Fatal Error (cstsyst)</name>
    <message>
        <source>FATAL ERROR on '%1',
 Please contact your administrative.</source>
        <comment>'%1' is a function name</comment>
        <translation>ERREUR FATALE sur '%1',
 Veuillez contacter votre administrateur.</translation>
    </message>
</context>
<context>
    <name>Error Parameter</name>
    <message>
        <source>memory overflow</source>
        <comment>Used as a parameter for 'ERRINTFCT' error message</comment>
        <translation>mémoire saturée</translation>
    </message>
</context>
<context>
    <name>TsfGen context</name>
    <message>
        <source>System under test</source>
        <translation>Système sous test</translation>
    </message>
    <message>
        <source>default tester</source>
        <translation>testeur par défaut</translation>
    </message>
    <message>
        <source>END %1</source>
        <comment>'%1' is a statement keyword such as WAITTIL</comment>
        <translation>FIN %1</translation>
    </message>
</context>
</TS>
