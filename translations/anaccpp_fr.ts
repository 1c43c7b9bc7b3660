<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Warning (ana_c_cpp)</name>
    <message>
        <source>%1Syntax error: %2</source>
        <comment>Error code is "SYNTAXERR"</comment>
        <translation>%1Erreur de syntaxe : %2</translation>
    </message>
</context>
<context>
    <name>Error (ana_c_cpp)</name>
    <message>
        <source>%1Unexpected end of file or incomplete line: %2</source>
        <comment>Error code is "UNEXP_EOF"</comment>
        <translation>%1Fin de fichier inattendue ou ligne incomplète : %2</translation>
    </message>
</context>
</TS>
