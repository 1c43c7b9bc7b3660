<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>KRVTIdent</name>
    <message>
        <source>System C++ Test Compiler(Deprecated)</source>
        <translation>Compilateur de tests système C++ (obsolète)</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the ZRSPREPRO developers, distributed under the MIT licence.</source>
        <translation>Copyright (c) 2026 les développeurs de ZRSPREPRO, distribué sous licence MIT.</translation>
    </message>
</context>
</TS>
