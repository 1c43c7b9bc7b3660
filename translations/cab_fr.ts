<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAB</name>
    <message>
        <source>Command analysis</source>
        <translation>Analyse de la commande</translation>
    </message>
    <message>
        <source>Arg value too small,</source>
        <translation>Valeur d'argument trop petite,</translation>
    </message>
    <message>
        <source>Arg value too large,</source>
        <translation>Valeur d'argument trop grande,</translation>
    </message>
    <message>
        <source>Arg length too small,</source>
        <translation>Longueur d'argument trop petite,</translation>
    </message>
    <message>
        <source>Arg length too large,</source>
        <translation>Longueur d'argument trop grande,</translation>
    </message>
    <message>
        <source>Too many arguments invalid argument,</source>
        <translation>Trop d'arguments, argument invalide,</translation>
    </message>
    <message>
        <source>List forbidden invalid argument,</source>
        <translation>Liste interdite, argument invalide,</translation>
    </message>
    <message>
        <source>Unknown option,</source>
        <translation>Option inconnue,</translation>
    </message>
    <message>
        <source>Invalid character following option,</source>
        <translation>Caractère invalide après l'option,</translation>
    </message>
    <message>
        <source>An option can't be used twice,</source>
        <translation>Une option ne peut pas être utilisée deux fois,</translation>
    </message>
    <message>
        <source>Mandatory argument for this option,</source>
        <translation>Argument obligatoire pour cette option,</translation>
    </message>
    <message>
        <source>No argument for this option,</source>
        <translation>Pas d'argument pour cette option,</translation>
    </message>
    <message>
        <source>List forbidden invalid option,</source>
        <translation>Liste interdite, option invalide,</translation>
    </message>
    <message>
        <source>Argument missing,</source>
        <translation>Argument manquant,</translation>
    </message>
    <message>
        <source>Ambiguous option,</source>
        <translation>Option ambiguë,</translation>
    </message>
    <message>
        <source>Unknown value of option,</source>
        <translation>Valeur d'option inconnue,</translation>
    </message>
    <message>
        <source>Ambiguous value of option,</source>
        <translation>Valeur d'option ambiguë,</translation>
    </message>
    <message>
        <source>Illegal combination of command elements,</source>
        <translation>Combinaison illégale d'éléments de commande,</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Command analysis: No memory left</source>
        <translation>Analyse de la commande : plus de mémoire disponible</translation>
    </message>
    <message>
        <source>Internal error, bad option name</source>
        <translation>Erreur interne, nom d'option invalide</translation>
    </message>
</context>
<context>
    <name>Command-line</name>
    <message>
        <source>
Usage ZRSPREPRO:
	&lt;scn&gt;
	&lt;interface_file&gt;[,interface_file]
	&lt;root&gt;
	[-INCL=&lt;directory_list&gt;[,directory_list]]
	[-SET=&lt;letters&gt;]
	[-DEFINE=&lt;compiler_option&gt;[,compiler_option]]
	[-STD_DEFINE=&lt;file&gt;]
	[-STUDIO_LOG=&lt;file&gt;]
	[-SCN=&lt;scenario_name&gt;[,scenario_name]]
	[-EXSCN=&lt;exscenario_name&gt;[,exscenario_name]]
	[-FAMILY=&lt;family_name&gt;[,family_name]]
	[-EXFAMILY=&lt;exfamily_name&gt;[,exfamily_name]]
	[-INSTANCE=&lt;instance_name&gt;]
	[-RESTRICTION=&lt;ANSI|KR&gt;]
	[-FAST|-NOFAST]
	[-PROBE=&lt;CUSTOM|DEFAULT&gt;]
	[-LOG|-NOLOG]
	[-ALLOCATION[=&lt;DYNAMIC|STACK&gt;]]
	[-THREAD[=&lt;routine_name&gt;]]
	[-NOTSHARED]
	[-NOPATH]
	[-NOCOMMENT]
	[-SPVGEN]
	[-TRACE=&lt;ERROR|TIME|SCN|CIRCULAR&gt;]
	[-BUFSIZE=&lt;buffer_size&gt;]
</source>
        <extracomment>Keep one option per line, the leading tab and the option names and values as they are</extracomment>
        <translation>
Utilisation de ZRSPREPRO :
	&lt;scn&gt;
	&lt;fichier_interface&gt;[,fichier_interface]
	&lt;racine&gt;
	[-INCL=&lt;liste_répertoires&gt;[,liste_répertoires]]
	[-SET=&lt;lettres&gt;]
	[-DEFINE=&lt;option_compilateur&gt;[,option_compilateur]]
	[-STD_DEFINE=&lt;fichier&gt;]
	[-STUDIO_LOG=&lt;fichier&gt;]
	[-SCN=&lt;nom_scénario&gt;[,nom_scénario]]
	[-EXSCN=&lt;nom_exscénario&gt;[,nom_exscénario]]
	[-FAMILY=&lt;nom_famille&gt;[,nom_famille]]
	[-EXFAMILY=&lt;nom_exfamille&gt;[,nom_exfamille]]
	[-INSTANCE=&lt;nom_instance&gt;]
	[-RESTRICTION=&lt;ANSI|KR&gt;]
	[-FAST|-NOFAST]
	[-PROBE=&lt;CUSTOM|DEFAULT&gt;]
	[-LOG|-NOLOG]
	[-ALLOCATION[=&lt;DYNAMIC|STACK&gt;]]
	[-THREAD[=&lt;nom_routine&gt;]]
	[-NOTSHARED]
	[-NOPATH]
	[-NOCOMMENT]
	[-SPVGEN]
	[-TRACE=&lt;ERROR|TIME|SCN|CIRCULAR&gt;]
	[-BUFSIZE=&lt;taille_tampon&gt;]
</translation>
    </message>
    <message>
        <source>and</source>
        <extracomment>Joins the two option names of an illegal combination</extracomment>
        <translation>et</translation>
    </message>
</context>
</TS>
