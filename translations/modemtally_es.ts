<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ConnectActions</name>
    <message>
        <source>Could not find associated Browser</source>
        <translation>No se encontró ningún navegador asociado</translation>
    </message>
    <message>
        <source>ModemTally : Browser Not Found</source>
        <translation>ModemTally : navegador no encontrado</translation>
    </message>
    <message>
        <source>Web Page not Opened</source>
        <translation>No se abrió la página web</translation>
    </message>
    <message>
        <source>Invalid URL</source>
        <translation>Dirección no válida</translation>
    </message>
</context>
<context>
    <name>DialFlows</name>
    <message>
        <source>Incorrect Password! Try Again.</source>
        <translation>¡Contraseña incorrecta! Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Authentication Failed!</source>
        <translation>¡Error de autenticación!</translation>
    </message>
    <message>
        <source>ModemTally has detected an empty field for the Username entry. Even if your dialup server do not handle auto-negotiation, there must still be an entry for the Username. You may enter any values for the username under the Connect tab in the Configuration Console.</source>
        <translation>ModemTally ha detectado que el campo del nombre de usuario está vacío. Aunque su servidor de acceso telefónico no admita la negociación automática, debe haber un nombre de usuario. Puede introducir cualquier valor como nombre de usuario en la pestaña «Conexión» de la consola de configuración.</translation>
    </message>
</context>
<context>
    <name>Enumeration</name>
    <message>
        <source>Hanged up on %1</source>
        <translation>Colgado: %1</translation>
    </message>
    <message>
        <source>ModemTally has detected an active conection called %1. Time elapsed will not be accurate.</source>
        <translation>ModemTally ha detectado una conexión activa llamada %1. El tiempo transcurrido no será exacto.</translation>
    </message>
    <message>
        <source>Active Connection Detected!</source>
        <translation>¡Conexión activa detectada!</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Conectado a %1</translation>
    </message>
</context>
<context>
    <name>HangUp</name>
    <message>
        <source>Hang up on %1</source>
        <translation>Colgado: %1</translation>
    </message>
    <message>
        <source>ModemTally has detected that a connection is still active. Do you wish to terminate this connection?</source>
        <translation>ModemTally ha detectado que todavía hay una conexión activa. ¿Desea terminar esta conexión?</translation>
    </message>
    <message>
        <source>Exiting ModemTally</source>
        <translation>Salir de ModemTally</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>HistoryWindowLoader</name>
    <message>
        <source>the History window&apos;s module %1 is not installed (looked in %2)</source>
        <translation>el módulo %1 del historial de uso no está instalado (se buscó en %2)</translation>
    </message>
    <message>
        <source>%1 is not the History window&apos;s module</source>
        <translation>%1 no es el módulo del historial de uso</translation>
    </message>
</context>
<context>
    <name>Limits</name>
    <message>
        <source>Connection time exceeded the time limit of %1 hours and %2 minutes!</source>
        <translation>¡El tiempo de conexión ha superado el límite de %1 horas y %2 minutos!</translation>
    </message>
    <message>
        <source>Connection time exceeded the monthly time limite of %1 hours and %2 minutes!</source>
        <translation>¡El tiempo de conexión ha superado el límite mensual de %1 horas y %2 minutos!</translation>
    </message>
    <message>
        <source>Connection cost exceeded the limit of $ %1.</source>
        <translation>El coste de la conexión ha superado el límite de $ %1.</translation>
    </message>
    <message>
        <source>Connection cost exceeded the monthly limit of $ %1.</source>
        <translation>El coste de la conexión ha superado el límite mensual de $ %1.</translation>
    </message>
    <message>
        <source>Connection time exceeded the free allocated time!</source>
        <translation>¡El tiempo de conexión ha superado el tiempo gratuito asignado!</translation>
    </message>
</context>
<context>
    <name>MonthFile</name>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it is %1 MB, more than a monthly record of %2 MB can be</source>
        <translation>ocupa %1 MB, más de lo que puede ocupar un registro mensual de %2 MB</translation>
    </message>
    <message>
        <source>it grew past %1 MB while it was read</source>
        <translation>superó los %1 MB mientras se leía</translation>
    </message>
</context>
<context>
    <name>NumericField</name>
    <message>
        <source>Please enter numeric values i.e. 0-9</source>
        <translation>Introduzca valores numéricos, es decir, 0-9</translation>
    </message>
    <message>
        <source>Invalid fields</source>
        <translation>Campos no válidos</translation>
    </message>
</context>
<context>
    <name>PlanBook</name>
    <message>
        <source>data</source>
        <translation>datos</translation>
    </message>
    <message>
        <source>time</source>
        <translation>tiempo</translation>
    </message>
    <message>
        <source>Plan Allowance Warning</source>
        <translation>Aviso de la asignación del plan</translation>
    </message>
    <message>
        <source>%1 has used %2% of this cycle&apos;s %3 allowance: %4 of %5. The cycle ends on %6.</source>
        <translation>%1 ha usado el %2 % de la asignación de %3 de este ciclo: %4 de %5. El ciclo termina el %6.</translation>
    </message>
    <message>
        <source> Each megabyte more costs %1.</source>
        <translation> Cada megabyte adicional cuesta %1.</translation>
    </message>
    <message>
        <source>At this pace %1 will use up this cycle&apos;s %2 allowance (%3) on %4, before the cycle ends on %5: %6 by then.</source>
        <translation>A este ritmo %1 agotará la asignación de %2 de este ciclo (%3) el %4, antes de que el ciclo termine el %5: %6 para entonces.</translation>
    </message>
</context>
<context>
    <name>ProfileSync</name>
    <message>
        <source>Updating ModemTally</source>
        <translation>Actualizando ModemTally</translation>
    </message>
    <message>
        <source>ModemTally has detected that you have deleted away some connection profiles. You are required to update the config</source>
        <translation>ModemTally ha detectado que ha eliminado algunos perfiles de conexión. Debe actualizar la configuración</translation>
    </message>
    <message>
        <source>ModemTally has detected that you have created new DUN profile. You need to provide ModemTally with the new name of your connection profiles.</source>
        <translation>ModemTally ha detectado que ha creado un nuevo perfil de acceso telefónico. Debe indicar a ModemTally el nuevo nombre de sus perfiles de conexión.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>          Welcome to ModemTally!</source>
        <translation>          ¡Bienvenido a ModemTally!</translation>
    </message>
    <message>
        <source>The Best Dialup Networking Companion!</source>
        <translation>¡El mejor compañero para sus conexiones telefónicas!</translation>
    </message>
    <message>
        <source>ModemTally has determined that this is your first time running this program. You would want to configure the settings in ModemTally first. Click the OK button to continue.</source>
        <translation>ModemTally ha detectado que es la primera vez que ejecuta este programa. Conviene que primero configure los ajustes de ModemTally. Pulse el botón Aceptar para continuar.</translation>
    </message>
    <message>
        <source>Welcome to ModemTally</source>
        <translation>Bienvenido a ModemTally</translation>
    </message>
    <message>
        <source>Connect to %1</source>
        <translation>Conectar a %1</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>The reminder could not be switched off: &quot;%1&quot; could not be written (%2). You will be asked again next time.</source>
        <translation>No se pudo desactivar el recordatorio: no se pudo escribir «%1» (%2). Se le volverá a preguntar la próxima vez.</translation>
    </message>
    <message>
        <source>Deleting profile : %1</source>
        <translation>Eliminando el perfil : %1</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>SessionTimer</name>
    <message>
        <source>Monthly Record</source>
        <translation>Registro mensual</translation>
    </message>
    <message>
        <source>ModemTally could not read the monthly record &quot;%1&quot; (%2). The time of this connection will not be recorded in it.</source>
        <translation>ModemTally no pudo leer el registro mensual «%1» (%2). El tiempo de esta conexión no se anotará en él.</translation>
    </message>
    <message>
        <source>Elapsed Time - %1</source>
        <translation>Tiempo transcurrido - %1</translation>
    </message>
    <message>
        <source>%1 terminated!</source>
        <translation>¡%1 terminada!</translation>
    </message>
    <message>
        <source>ModemTally could not write the monthly record &quot;%1&quot; (%2). This connection&apos;s %3 seconds were not recorded.</source>
        <translation>ModemTally no pudo escribir el registro mensual «%1» (%2). Los %3 segundos de esta conexión no se anotaron.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The settings file &quot;%1&quot; could not be read (%2). ModemTally is using its default settings.</source>
        <translation>No se pudo leer el archivo de configuración «%1» (%2). ModemTally usa su configuración predeterminada.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged. The settings that could be read are in use; all others have their default values.</source>
        <translation>El archivo de configuración «%1» está dañado. Se usan los ajustes que se pudieron leer; todos los demás tienen sus valores predeterminados.</translation>
    </message>
    <message>
        <source> A copy of the damaged file was kept as &quot;%1&quot;.</source>
        <translation> Se guardó una copia del archivo dañado como «%1».</translation>
    </message>
    <message>
        <source> The damaged file could not be copied aside (%1).</source>
        <translation> No se pudo apartar una copia del archivo dañado (%1).</translation>
    </message>
    <message>
        <source> It was moved aside as &quot;%1&quot;.</source>
        <translation> Se ha apartado como «%1».</translation>
    </message>
    <message>
        <source> It could not be moved aside (%1).</source>
        <translation> No se ha podido apartar (%1).</translation>
    </message>
    <message>
        <source>Other users can add, replace or remove files in ModemTally&apos;s data folder &quot;%1&quot;. Make it writable by you only, for example with: chmod go-w &quot;%1&quot;</source>
        <translation>Otros usuarios pueden añadir, sustituir o eliminar archivos en la carpeta de datos de ModemTally «%1». Haga que solo usted pueda escribir en ella, por ejemplo con: chmod go-w &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>StatusHandling</name>
    <message>
        <source>Connection fails... </source>
        <translation>La conexión falla... </translation>
    </message>
    <message>
        <source>Redialing till connected</source>
        <translation>Rellamando hasta conectar</translation>
    </message>
    <message>
        <source>Redialing for %1 times</source>
        <translation>Rellamando hasta %1 veces</translation>
    </message>
    <message>
        <source>Username/Password Authentication...</source>
        <translation>Autenticación con usuario/contraseña...</translation>
    </message>
    <message>
        <source>Connection Failed!</source>
        <translation>¡Error de conexión!</translation>
    </message>
    <message>
        <source>Connection Status</source>
        <translation>Estado de la conexión</translation>
    </message>
    <message>
        <source>Redial limit of %1 times reached</source>
        <translation>Se alcanzó el límite de %1 rellamadas</translation>
    </message>
    <message>
        <source>Redial attempts terminated</source>
        <translation>Rellamadas terminadas</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <source>The History window cannot be opened: %1.</source>
        <translation>No se puede abrir la ventana del historial de uso: %1.</translation>
    </message>
    <message>
        <source>Usage History</source>
        <translation>Historial de uso</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>&amp;System Info</source>
        <translation>Información del &amp;sistema</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Acerca de </translation>
    </message>
    <message>
        <source>Version : </source>
        <translation>Versión : </translation>
    </message>
    <message>
        <source>Release Date : </source>
        <translation>Fecha de publicación : </translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>frmCloseConfig</name>
    <message>
        <source>Closing Configuration Console</source>
        <translation>Cerrar la consola de configuración</translation>
    </message>
    <message>
        <source>All configurations set would not be saved after the last saved operation. If you do wish to save all the changes made, click on the &quot;Save Configuration&quot; button in the ModemTally Configuration Console. Do you wish to continue?</source>
        <translation>Todos los ajustes hechos desde la última vez que se guardó no se guardarán. Si desea guardar los cambios, pulse el botón «Guardar configuración» de la consola de configuración de ModemTally. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Remove this reminder</source>
        <translation>Quitar este recordatorio</translation>
    </message>
    <message>
        <source>Check this box if you do not want future reminders</source>
        <translation>Marque esta casilla si no desea más recordatorios</translation>
    </message>
    <message>
        <source>Yes. No changes would be saved</source>
        <translation>Sí. No se guardará ningún cambio</translation>
    </message>
    <message>
        <source>No. Go back to the configuration window</source>
        <translation>No. Volver a la ventana de configuración</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>Next: </source>
        <translation>Siguiente: </translation>
    </message>
    <message>
        <source>Back: </source>
        <translation>Anterior: </translation>
    </message>
    <message>
        <source>ModemTally Configuration Console</source>
        <translation>Consola de configuración de ModemTally</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>&amp;Save configurations</source>
        <translation>&amp;Guardar configuración</translation>
    </message>
    <message>
        <source>Save all the configurations i.e.Connection,Cost,Warnings and Options</source>
        <translation>Guardar toda la configuración, es decir, Conexión, Coste, Avisos y Opciones</translation>
    </message>
    <message>
        <source>Cl&amp;ose Configurations</source>
        <translation>Ce&amp;rrar configuración</translation>
    </message>
    <message>
        <source>Close configuration window without saving</source>
        <translation>Cerrar la ventana de configuración sin guardar</translation>
    </message>
    <message>
        <source>Connection Profiles</source>
        <translation>Perfiles de conexión</translation>
    </message>
    <message>
        <source>List of Dialup Networking profiles.</source>
        <translation>Lista de perfiles de acceso telefónico.</translation>
    </message>
    <message>
        <source>Connection profiles</source>
        <translation>Perfiles de conexión</translation>
    </message>
    <message>
        <source>Default Connection Profile :</source>
        <translation>Perfil predeterminado :</translation>
    </message>
    <message>
        <source>Current Default Connection Profile</source>
        <translation>Perfil de conexión predeterminado actual</translation>
    </message>
    <message>
        <source>Username :</source>
        <translation>Usuario :</translation>
    </message>
    <message>
        <source>Username to identify yourself with the remote dialup server</source>
        <translation>Nombre de usuario con el que se identifica ante el servidor de acceso telefónico</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Contraseña :</translation>
    </message>
    <message>
        <source>Password for authentication with your remote dialup server</source>
        <translation>Contraseña para autenticarse en el servidor de acceso telefónico</translation>
    </message>
    <message>
        <source>Domain    :</source>
        <translation>Dominio    :</translation>
    </message>
    <message>
        <source>The domain of your dialup server. Can be ignored.</source>
        <translation>El dominio de su servidor de acceso telefónico. Puede omitirse.</translation>
    </message>
    <message>
        <source>&amp;Edit Profile</source>
        <translation>&amp;Editar perfil</translation>
    </message>
    <message>
        <source>Edit the Selected Profile</source>
        <translation>Editar el perfil seleccionado</translation>
    </message>
    <message>
        <source>&amp;Dial selected...</source>
        <translation>&amp;Marcar seleccionado...</translation>
    </message>
    <message>
        <source>Dial the selected connection profile</source>
        <translation>Marcar el perfil de conexión seleccionado</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propiedades</translation>
    </message>
    <message>
        <source>Edit your connection profile properties</source>
        <translation>Editar las propiedades de su perfil de conexión</translation>
    </message>
    <message>
        <source>&amp;Make Default </source>
        <translation>Hacer &amp;predeterminado </translation>
    </message>
    <message>
        <source>Make the selected profile the default connection</source>
        <translation>Hacer del perfil seleccionado la conexión predeterminada</translation>
    </message>
    <message>
        <source>Set De&amp;fault to None</source>
        <translation>Ninguno como pre&amp;determinado</translation>
    </message>
    <message>
        <source>Set Default Connection to None</source>
        <translation>No establecer ninguna conexión predeterminada</translation>
    </message>
    <message>
        <source>&amp;New Connection</source>
        <translation>&amp;Nueva conexión</translation>
    </message>
    <message>
        <source>Create a new DialUp Networking Connection Profile</source>
        <translation>Crear un nuevo perfil de conexión de acceso telefónico</translation>
    </message>
    <message>
        <source>Do you wish to dial the default connection profile each time you connect with ModemTally ?</source>
        <translation>¿Desea marcar el perfil de conexión predeterminado cada vez que se conecte con ModemTally?</translation>
    </message>
    <message>
        <source>(Recommended)</source>
        <translation>(recomendado)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>ModemTally will dial your stated Default Connection each time you connect</source>
        <translation>ModemTally marcará su conexión predeterminada cada vez que se conecte</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>If no, then you will choose the connection profile at each connection</source>
        <translation>Si elige No, escogerá el perfil de conexión en cada conexión</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Autenticación</translation>
    </message>
    <message>
        <source>The Password would be the same as the default connection password</source>
        <translation>La contraseña es la misma que la de la conexión predeterminada</translation>
    </message>
    <message>
        <source>Prompt for password at each default connection?</source>
        <translation>¿Pedir la contraseña en cada conexión predeterminada?</translation>
    </message>
    <message>
        <source>You would be prompted to enter the password which is the same as the default connection password.</source>
        <translation>Se le pedirá la contraseña, que es la misma que la de la conexión predeterminada.</translation>
    </message>
    <message>
        <source>ModemTally would not prompt you for any password.</source>
        <translation>ModemTally no le pedirá ninguna contraseña.</translation>
    </message>
    <message>
        <source>Unlimited Connection Time</source>
        <translation>Tiempo de conexión ilimitado</translation>
    </message>
    <message>
        <source>Check this box if you are not charged for internet access by time.</source>
        <translation>Marque esta casilla si el acceso a Internet no se le cobra por tiempo.</translation>
    </message>
    <message>
        <source>Variable Connection Cost</source>
        <translation>Coste variable de la conexión</translation>
    </message>
    <message>
        <source>Cost per hour</source>
        <translation>Coste por hora</translation>
    </message>
    <message>
        <source>Connection cost is charged by per hour basis</source>
        <translation>La conexión se cobra por horas</translation>
    </message>
    <message>
        <source>Cost per minute</source>
        <translation>Coste por minuto</translation>
    </message>
    <message>
        <source>Connection cost is charged by per minute basis</source>
        <translation>La conexión se cobra por minutos</translation>
    </message>
    <message>
        <source>Enter the dollar amount. Please enter a number 0-9</source>
        <translation>Introduzca la cantidad en dólares. Introduzca un número de 0-9</translation>
    </message>
    <message>
        <source>Enter the cent amount. Enter a value from 0-9</source>
        <translation>Introduzca la cantidad en centavos. Introduzca un valor de 0-9</translation>
    </message>
    <message>
        <source>Free Connection Time Per Month</source>
        <translation>Tiempo de conexión gratuito al mes</translation>
    </message>
    <message>
        <source>Enter the amount of free connection time given to you per month by your Internet Service Providers :</source>
        <translation>Introduzca el tiempo de conexión gratuito que le concede al mes su proveedor de Internet :</translation>
    </message>
    <message>
        <source>Enter the amount of free hours given to you per month</source>
        <translation>Introduzca las horas gratuitas que tiene al mes</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Enter the free minutes given to you per month</source>
        <translation>Introduzca los minutos gratuitos que tiene al mes</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Connection Time Limit Warnings</source>
        <translation>Avisos del límite de tiempo de conexión</translation>
    </message>
    <message>
        <source>Warn if connection time per connection exceeds :</source>
        <translation>Avisar si el tiempo por conexión supera :</translation>
    </message>
    <message>
        <source>Warn if total connection time per month exceeds :</source>
        <translation>Avisar si el tiempo total al mes supera :</translation>
    </message>
    <message>
        <source>Connection Cost Limit Warnings</source>
        <translation>Avisos del límite de coste de conexión</translation>
    </message>
    <message>
        <source>Warn if connection cost per connection exceeds : </source>
        <translation>Avisar si el coste por conexión supera : </translation>
    </message>
    <message>
        <source>Warn if total connection cost per month exceeds :</source>
        <translation>Avisar si el coste total al mes supera :</translation>
    </message>
    <message>
        <source>Hours per connection</source>
        <translation>Horas por conexión</translation>
    </message>
    <message>
        <source>Minutes per connection</source>
        <translation>Minutos por conexión</translation>
    </message>
    <message>
        <source>Hours per month</source>
        <translation>Horas al mes</translation>
    </message>
    <message>
        <source>Minutes per month</source>
        <translation>Minutos al mes</translation>
    </message>
    <message>
        <source>Dollars per connection</source>
        <translation>Dólares por conexión</translation>
    </message>
    <message>
        <source>Cents per connection</source>
        <translation>Centavos por conexión</translation>
    </message>
    <message>
        <source>Dollars per month</source>
        <translation>Dólares al mes</translation>
    </message>
    <message>
        <source>Cents per month</source>
        <translation>Centavos al mes</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Activate sound when connected</source>
        <translation>Reproducir un sonido al conectar</translation>
    </message>
    <message>
        <source>ModemTally would play a sound when connection is established</source>
        <translation>ModemTally reproducirá un sonido al establecerse la conexión</translation>
    </message>
    <message>
        <source>Sound Control</source>
        <translation>Control de sonido</translation>
    </message>
    <message>
        <source>Maintain Connection Uptime</source>
        <translation>Mantener la conexión activa</translation>
    </message>
    <message>
        <source>When connection is idle, ModemTally will simulate transmission to prevent disconnection</source>
        <translation>Cuando la conexión esté inactiva, ModemTally simulará tráfico para evitar la desconexión</translation>
    </message>
    <message>
        <source>Show connection cost after hang up</source>
        <translation>Mostrar el coste de la conexión al colgar</translation>
    </message>
    <message>
        <source>Show the total cost for the connection after hang up.</source>
        <translation>Mostrar el coste total de la conexión después de colgar.</translation>
    </message>
    <message>
        <source>Auto-dial upon launching ModemTally</source>
        <translation>Marcar automáticamente al iniciar ModemTally</translation>
    </message>
    <message>
        <source>Automate the dialing sequence when starting ModemTally</source>
        <translation>Iniciar el marcado automáticamente al arrancar ModemTally</translation>
    </message>
    <message>
        <source>Display timer console after connection</source>
        <translation>Mostrar el temporizador tras conectar</translation>
    </message>
    <message>
        <source>Pop ups a timer window displaying the elapsed time after connection</source>
        <translation>Abre una ventana con el tiempo transcurrido después de conectar</translation>
    </message>
    <message>
        <source>Launch default web browser after connection with start page as :</source>
        <translation>Abrir el navegador web predeterminado tras conectar, con la página de inicio :</translation>
    </message>
    <message>
        <source>Run your default WWW browser after a successful connection</source>
        <translation>Abrir su navegador web predeterminado tras una conexión correcta</translation>
    </message>
    <message>
        <source>Specify the start page URL for your WWW browser to load</source>
        <translation>Indique la dirección de la página de inicio que cargará su navegador web</translation>
    </message>
    <message>
        <source>Start page</source>
        <translation>Página de inicio</translation>
    </message>
    <message>
        <source>Warn if total connection time exceeds the free connection time per month</source>
        <translation>Avisar si el tiempo total de conexión supera el tiempo gratuito al mes</translation>
    </message>
    <message>
        <source>Display warning box if total elapsed connection time exceeded the free time per month</source>
        <translation>Mostrar un aviso si el tiempo total de conexión ha superado el tiempo gratuito al mes</translation>
    </message>
    <message>
        <source>Redialing</source>
        <translation>Rellamada</translation>
    </message>
    <message>
        <source>If connection fails,</source>
        <translation>Si la conexión falla,</translation>
    </message>
    <message>
        <source>Redial a maximum of </source>
        <translation>Rellamar un máximo de </translation>
    </message>
    <message>
        <source>If line is busy or connection fails, redial your stated number of attempts</source>
        <translation>Si la línea está ocupada o la conexión falla, rellamar el número de intentos indicado</translation>
    </message>
    <message>
        <source>Maximum number of redial attempts to dial when line is busy or connection fails</source>
        <translation>Número máximo de rellamadas si la línea está ocupada o la conexión falla</translation>
    </message>
    <message>
        <source>Redial attempts</source>
        <translation>Intentos de rellamada</translation>
    </message>
    <message>
        <source>times</source>
        <translation>veces</translation>
    </message>
    <message>
        <source>Redial till connected</source>
        <translation>Rellamar hasta conectar</translation>
    </message>
    <message>
        <source>If line is busy or connection fails, redial till connected</source>
        <translation>Si la línea está ocupada o la conexión falla, rellamar hasta conectar</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>Activate Reminder every</source>
        <translation>Activar recordatorio cada</translation>
    </message>
    <message>
        <source>Pop ups a reminder window</source>
        <translation>Abre una ventana de recordatorio</translation>
    </message>
    <message>
        <source>Time interval value for the reminder window to pop up</source>
        <translation>Intervalo de tiempo tras el que aparece la ventana de recordatorio</translation>
    </message>
    <message>
        <source>Reminder interval</source>
        <translation>Intervalo del recordatorio</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Time interval is in minute</source>
        <translation>El intervalo se da en minutos</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>Time interval is in hour</source>
        <translation>El intervalo se da en horas</translation>
    </message>
    <message>
        <source>&amp;Browser</source>
        <translation>&amp;Navegador</translation>
    </message>
    <message>
        <source>Create and run a new web browser window with the start page URL</source>
        <translation>Abrir una nueva ventana del navegador web con la página de inicio</translation>
    </message>
    <message>
        <source>&amp;Create Shortcut</source>
        <translation>&amp;Crear acceso directo</translation>
    </message>
    <message>
        <source>Create a shortcut to ModemTally on your desktop. Highly Recommended.</source>
        <translation>Crear un acceso directo a ModemTally en su escritorio. Muy recomendado.</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vacío</translation>
    </message>
    <message>
        <source>Select a Connection Profile first</source>
        <translation>Seleccione primero un perfil de conexión</translation>
    </message>
    <message>
        <source>Select a connection profile first!</source>
        <translation>¡Seleccione primero un perfil de conexión!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The configurations could not be saved to &quot;%1&quot;: %2

Your previous settings file has not been changed.</source>
        <translation>No se pudo guardar la configuración en «%1»: %2

Su archivo de configuración anterior no se ha modificado.</translation>
    </message>
    <message>
        <source>Save Successful!</source>
        <translation>¡Guardado correctamente!</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Dial the default profile: Yes</source>
        <translation>Marcar el perfil predeterminado: Sí</translation>
    </message>
    <message>
        <source>Dial the default profile: No</source>
        <translation>Marcar el perfil predeterminado: No</translation>
    </message>
    <message>
        <source>Prompt for password: Yes</source>
        <translation>Pedir la contraseña: Sí</translation>
    </message>
    <message>
        <source>Prompt for password: No</source>
        <translation>Pedir la contraseña: No</translation>
    </message>
    <message>
        <source>Dollars per hour or minute</source>
        <translation>Dólares por hora o minuto</translation>
    </message>
    <message>
        <source>Cents per hour or minute</source>
        <translation>Centavos por hora o minuto</translation>
    </message>
    <message>
        <source>Free hours per month</source>
        <translation>Horas gratuitas al mes</translation>
    </message>
    <message>
        <source>Free minutes per month</source>
        <translation>Minutos gratuitos al mes</translation>
    </message>
    <message>
        <source>Start ModemTally when I log in</source>
        <translation>Iniciar ModemTally al iniciar sesión</translation>
    </message>
    <message>
        <source>Add ModemTally to the programs your desktop starts when you log in</source>
        <translation>Añadir ModemTally a los programas que su escritorio inicia al iniciar sesión</translation>
    </message>
    <message>
        <source>P&amp;lan...</source>
        <translation>P&amp;lan...</translation>
    </message>
    <message>
        <source>The data plan of the selected profile: allowances, billing cycle, warnings</source>
        <translation>El plan de datos del perfil seleccionado: asignaciones, ciclo de facturación, avisos</translation>
    </message>
</context>
<context>
    <name>frmConnectNoDefault</name>
    <message>
        <source>Dialing to...</source>
        <translation>Marcando...</translation>
    </message>
    <message>
        <source>Select the connection profile to dial :</source>
        <translation>Seleccione el perfil de conexión que desea marcar :</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Dial the selected connection profile</source>
        <translation>Marcar el perfil de conexión seleccionado</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel dialup process</source>
        <translation>Cancelar el marcado</translation>
    </message>
    <message>
        <source>Select a Connection Profile first</source>
        <translation>Seleccione primero un perfil de conexión</translation>
    </message>
</context>
<context>
    <name>frmCost</name>
    <message>
        <source>Connection Cost</source>
        <translation>Coste de la conexión</translation>
    </message>
    <message>
        <source>Total Cost for Current Connection : $</source>
        <translation>Coste total de la conexión actual : $</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>frmCreateShortcut</name>
    <message>
        <source>Creating Shortcut for ModemTally</source>
        <translation>Crear un acceso directo para ModemTally</translation>
    </message>
    <message>
        <source>ModemTally would create a shortcut to be placed on your Windows Desktop. This shortcut would assist you in making a quick launching of the ModemTally program. It is highly recommended to create a shortcut.</source>
        <translation>ModemTally creará un acceso directo en su escritorio. Con este acceso directo podrá iniciar rápidamente el programa ModemTally. Se recomienda encarecidamente crear un acceso directo.</translation>
    </message>
    <message>
        <source>Enter the name of the shortcut  :</source>
        <translation>Introduzca el nombre del acceso directo  :</translation>
    </message>
    <message>
        <source>This name would appear as the name of the shortcut on your desktop</source>
        <translation>Con este nombre aparecerá el acceso directo en su escritorio</translation>
    </message>
    <message>
        <source>Create shortcut to ModemTally now!</source>
        <translation>¡Crear ahora un acceso directo a ModemTally!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A filename cannot contain any of the following characters:<byte value="xd"/>
               / \ : * ? &quot; &lt; &gt; |</source>
        <translation>Un nombre de archivo no puede contener ninguno de los siguientes caracteres:<byte value="xd"/>
               / \ : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>Unable to create shortcut for ModemTally.</source>
        <translation>No se pudo crear el acceso directo para ModemTally.</translation>
    </message>
</context>
<context>
    <name>frmDeleteProfile</name>
    <message>
        <source>Updating Connection Profiles</source>
        <translation>Actualizando los perfiles de conexión</translation>
    </message>
    <message>
        <source>Select the connection profile to be deleted by ticking in the checkbox and pressing &quot;Delete&quot;</source>
        <translation>Marque la casilla de los perfiles de conexión que desea eliminar y pulse «Eliminar»</translation>
    </message>
    <message>
        <source>Connection profiles</source>
        <translation>Perfiles de conexión</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete the checked connection profiles</source>
        <translation>Eliminar los perfiles de conexión marcados</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Ignore the changes. Not Recommended!</source>
        <translation>Ignorar los cambios. ¡No recomendado!</translation>
    </message>
</context>
<context>
    <name>frmDialSelected</name>
    <message>
        <source>Dialing to...</source>
        <translation>Marcando...</translation>
    </message>
    <message>
        <source>Dial to </source>
        <translation>Marcar a </translation>
    </message>
    <message>
        <source>Profile Name :</source>
        <translation>Nombre del perfil :</translation>
    </message>
    <message>
        <source>Username :</source>
        <translation>Usuario :</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Contraseña :</translation>
    </message>
    <message>
        <source>Domain :</source>
        <translation>Dominio :</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>frmEditProfile</name>
    <message>
        <source>Edit Connection Profile</source>
        <translation>Editar perfil de conexión</translation>
    </message>
    <message>
        <source>Connection Profile for </source>
        <translation>Perfil de conexión para </translation>
    </message>
    <message>
        <source>Dialup Networking Profile</source>
        <translation>Perfil de acceso telefónico</translation>
    </message>
    <message>
        <source>The username required by the remote dialup server to identify you</source>
        <translation>El nombre de usuario con el que el servidor de acceso telefónico le identifica</translation>
    </message>
    <message>
        <source>The password required for authentication during connection establishment</source>
        <translation>La contraseña para autenticarse al establecer la conexión</translation>
    </message>
    <message>
        <source>The domain of your dialup server. If not applicable, just leave it blank</source>
        <translation>El dominio de su servidor de acceso telefónico. Si no procede, déjelo en blanco</translation>
    </message>
    <message>
        <source>Profile Name :</source>
        <translation>Nombre del perfil :</translation>
    </message>
    <message>
        <source>Username : </source>
        <translation>Usuario : </translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Contraseña :</translation>
    </message>
    <message>
        <source>Domain :</source>
        <translation>Dominio :</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>frmHelpDelete</name>
    <message>
        <source>ModemTally Help</source>
        <translation>Ayuda de ModemTally</translation>
    </message>
    <message>
        <source>&lt;p&gt;Follow the steps below :&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Tick the connection profiles whose dial-up entries no longer exist.&lt;/li&gt;&lt;li&gt;Press Delete. ModemTally removes the ticked profiles.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;If you press Ignore instead, ModemTally keeps all of its profiles. Its count of profiles then stays out of step with your dial-up entries, but you lose no feature of ModemTally.&lt;/p&gt;&lt;p&gt;ModemTally shows this window only after dial-up entries have been deleted.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Siga estos pasos :&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Marque los perfiles de conexión cuyas entradas de acceso telefónico ya no existen.&lt;/li&gt;&lt;li&gt;Pulse Eliminar. ModemTally quita los perfiles marcados.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Si en su lugar pulsa Ignorar, ModemTally conserva todos sus perfiles. Su número de perfiles deja entonces de coincidir con sus entradas de acceso telefónico, pero no pierde ninguna función de ModemTally.&lt;/p&gt;&lt;p&gt;ModemTally muestra esta ventana solo después de que se hayan eliminado entradas de acceso telefónico.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>frmHelpEdit</name>
    <message>
        <source>ModemTally Help</source>
        <translation>Ayuda de ModemTally</translation>
    </message>
    <message>
        <source>Modifying your connection profile</source>
        <translation>Modificar su perfil de conexión</translation>
    </message>
    <message>
        <source>Enter the user name and the password that your Internet service provider or the remote server requires you to log on with. The domain is optional: you may leave it empty unless your provider asks for one.</source>
        <translation>Introduzca el nombre de usuario y la contraseña con los que debe iniciar sesión ante su proveedor de Internet o el servidor remoto. El dominio es opcional: puede dejarlo vacío salvo que su proveedor le pida uno.</translation>
    </message>
</context>
<context>
    <name>frmHelpStart</name>
    <message>
        <source>ModemTally Help</source>
        <translation>Ayuda de ModemTally</translation>
    </message>
    <message>
        <source>The Connect Button</source>
        <translation>El botón Conectar</translation>
    </message>
    <message>
        <source>Press Connect and ModemTally dials your default connection profile straight away. If you have not chosen a default profile, ModemTally shows you the list of your dial-up profiles so that you can pick the one to dial.</source>
        <translation>Pulse Conectar y ModemTally marcará de inmediato su perfil de conexión predeterminado. Si no ha elegido un perfil predeterminado, ModemTally le muestra la lista de sus perfiles de acceso telefónico para que elija el que desea marcar.</translation>
    </message>
    <message>
        <source>The Configuration Button</source>
        <translation>El botón Configuración</translation>
    </message>
    <message>
        <source>Configuration opens the ModemTally configuration console. Its four categories, Connection, Cost, Warnings and Options, hold everything ModemTally needs to know about your connections. Please set them up the first time you use ModemTally.</source>
        <translation>Configuración abre la consola de configuración de ModemTally. Sus cuatro categorías, Conexión, Coste, Avisos y Opciones, contienen todo lo que ModemTally necesita saber sobre sus conexiones. Configúrelas la primera vez que use ModemTally.</translation>
    </message>
    <message>
        <source>The Scan Button</source>
        <translation>El botón Buscar</translation>
    </message>
    <message>
        <source>Scan looks for a dial-up connection that is already active, even one started outside ModemTally, and takes it over as if you had dialed it from ModemTally. Only one active connection is taken over.</source>
        <translation>Buscar localiza una conexión de acceso telefónico ya activa, incluso una iniciada fuera de ModemTally, y la adopta como si la hubiera marcado desde ModemTally. Solo se adopta una conexión activa.</translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>ModemTally - Usage History</source>
        <translation>ModemTally - Historial de uso</translation>
    </message>
    <message>
        <source>Last 12 months</source>
        <translation>Últimos 12 meses</translation>
    </message>
    <message>
        <source>Last 24 months</source>
        <translation>Últimos 24 meses</translation>
    </message>
    <message>
        <source>The chosen month</source>
        <translation>El mes elegido</translation>
    </message>
    <message>
        <source>All months shown</source>
        <translation>Todos los meses mostrados</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>Exportar &amp;CSV...</translation>
    </message>
    <message>
        <source>Save the sessions of the table as CSV, for a spreadsheet</source>
        <translation>Guardar las sesiones de la tabla como CSV, para una hoja de cálculo</translation>
    </message>
    <message>
        <source>Export &amp;JSON...</source>
        <translation>Exportar &amp;JSON...</translation>
    </message>
    <message>
        <source>Save the sessions of the table as JSON</source>
        <translation>Guardar las sesiones de la tabla como JSON</translation>
    </message>
    <message>
        <source>By &amp;month</source>
        <translation>Por &amp;mes</translation>
    </message>
    <message>
        <source>By &amp;day</source>
        <translation>Por &amp;día</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sesiones</translation>
    </message>
    <message>
        <source>Time online</source>
        <translation>Tiempo en línea</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Perfiles</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Backend</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Terminada</translation>
    </message>
    <message>
        <source>Adopted</source>
        <translation>Adoptada</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>&amp;Sessions</source>
        <translation>&amp;Sesiones</translation>
    </message>
    <message>
        <source>Months &amp;shown:</source>
        <translation>Meses mo&amp;strados:</translation>
    </message>
    <message>
        <source>M&amp;onth:</source>
        <translation>M&amp;es:</translation>
    </message>
    <message>
        <source>P&amp;rofile:</source>
        <translation>Pe&amp;rfil:</translation>
    </message>
    <message>
        <source>&amp;Table and export:</source>
        <translation>&amp;Tabla y exportación:</translation>
    </message>
    <message>
        <source>All profiles</source>
        <translation>Todos los perfiles</translation>
    </message>
    <message>
        <source>Time online per month</source>
        <translation>Tiempo en línea por mes</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Cost per month</source>
        <translation>Coste por mes</translation>
    </message>
    <message>
        <source>Time online per day, %1</source>
        <translation>Tiempo en línea por día, %1</translation>
    </message>
    <message>
        <source>Cost per day, %1</source>
        <translation>Coste por día, %1</translation>
    </message>
    <message>
        <source>%1 session(s) of this month (%2 online) came from its month file, which does not keep their days: they count in the month&apos;s totals but not in any day&apos;s.</source>
        <translation>%1 sesión(es) de este mes (%2 en línea) proceden de su archivo mensual, que no guarda sus días: cuentan en los totales del mes pero en ningún día.</translation>
    </message>
    <message>
        <source>Share of time online by profile</source>
        <translation>Reparto del tiempo en línea por perfil</translation>
    </message>
    <message>
        <source>(imported)</source>
        <translation>(importada)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>The usage history cannot be read: %1</source>
        <translation>No se puede leer el historial de uso: %1</translation>
    </message>
    <message>
        <source>%1%2: %3 session(s), %4 online, cost %5</source>
        <translation>%1%2: %3 sesión(es), %4 en línea, coste %5</translation>
    </message>
    <message>
        <source>The sessions were not exported: %1</source>
        <translation>No se exportaron las sesiones: %1</translation>
    </message>
    <message>
        <source>The sessions of the table were written to %1.</source>
        <translation>Las sesiones de la tabla se escribieron en %1.</translation>
    </message>
    <message>
        <source>Export the sessions</source>
        <translation>Exportar las sesiones</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Archivos JSON (*.json)</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Gráfico: %1</translation>
    </message>
    <message>
        <source>Usage history views</source>
        <translation>Vistas del historial de uso</translation>
    </message>
    <message>
        <source>Time online per day</source>
        <translation>Tiempo en línea por día</translation>
    </message>
    <message>
        <source>Cost per day</source>
        <translation>Coste por día</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Ciclo</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Usado</translation>
    </message>
    <message>
        <source>Allowance</source>
        <translation>Asignación</translation>
    </message>
    <message>
        <source>Projected</source>
        <translation>Previsto</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Días restantes</translation>
    </message>
    <message>
        <source>Use per billing cycle</source>
        <translation>Uso por ciclo de facturación</translation>
    </message>
    <message>
        <source>P&amp;lans</source>
        <translation>P&amp;lanes</translation>
    </message>
    <message>
        <source>No profile has a plan. A profile&apos;s plan (its allowances and billing cycle) is set from the configuration console&apos;s Connection tab.</source>
        <translation>Ningún perfil tiene un plan. El plan de un perfil (sus asignaciones y su ciclo de facturación) se define en la pestaña Conexión de la consola de configuración.</translation>
    </message>
    <message>
        <source>Projected: the cycle&apos;s use at its end at the pace so far. A session still running counts with its last minute.</source>
        <translation>Previsto: el uso del ciclo a su final al ritmo actual. Una sesión aún en curso cuenta con su último minuto.</translation>
    </message>
    <message>
        <source>%1: %2 per billing cycle (allowance %3)</source>
        <translation>%1: %2 por ciclo de facturación (asignación %3)</translation>
    </message>
    <message>
        <source>time online</source>
        <translation>tiempo en línea</translation>
    </message>
    <message>
        <source>data</source>
        <translation>datos</translation>
    </message>
    <message>
        <source>Extra cost</source>
        <translation>Coste adicional</translation>
    </message>
    <message>
        <source>%1 (%2 projected)</source>
        <translation>%1 (%2 previsto)</translation>
    </message>
</context>
<context>
    <name>frmPassword</name>
    <message>
        <source>Authentication in Progress...</source>
        <translation>Autenticación en curso...</translation>
    </message>
    <message>
        <source>Enter the Profile Password :</source>
        <translation>Introduzca la contraseña del perfil :</translation>
    </message>
    <message>
        <source>The password of your default connection profile</source>
        <translation>La contraseña de su perfil de conexión predeterminado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel Dialing</source>
        <translation>Cancelar el marcado</translation>
    </message>
</context>
<context>
    <name>frmPlan</name>
    <message>
        <source>Data Plan</source>
        <translation>Plan de datos</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Data included in each billing cycle, received and sent together (1 MB = 1,000,000 bytes); 0: no data allowance</source>
        <translation>Datos incluidos en cada ciclo de facturación, recibidos y enviados juntos (1 MB = 1.000.000 bytes); 0: sin asignación de datos</translation>
    </message>
    <message>
        <source> h</source>
        <translation> h</translation>
    </message>
    <message>
        <source>Connection time included in each billing cycle, in hours; 0: no time allowance</source>
        <translation>Tiempo de conexión incluido en cada ciclo de facturación, en horas; 0: sin asignación de tiempo</translation>
    </message>
    <message>
        <source>The day of the month each billing cycle begins; in a month with fewer days, its last day</source>
        <translation>El día del mes en que empieza cada ciclo de facturación; en un mes con menos días, su último día</translation>
    </message>
    <message>
        <source>What each megabyte past the data allowance costs</source>
        <translation>Lo que cuesta cada megabyte por encima de la asignación de datos</translation>
    </message>
    <message>
        <source>Percentages of an allowance that warn, once each per cycle, separated by commas</source>
        <translation>Porcentajes de una asignación que avisan, una vez cada uno por ciclo, separados por comas</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save this profile&apos;s plan</source>
        <translation>Guardar el plan de este perfil</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>P&amp;rofile:</source>
        <translation>P&amp;erfil:</translation>
    </message>
    <message>
        <source>&amp;Data per cycle:</source>
        <translation>&amp;Datos por ciclo:</translation>
    </message>
    <message>
        <source>&amp;Time per cycle:</source>
        <translation>&amp;Tiempo por ciclo:</translation>
    </message>
    <message>
        <source>C&amp;ycle begins on day:</source>
        <translation>El ciclo &amp;empieza el día:</translation>
    </message>
    <message>
        <source>Price per e&amp;xtra MB:</source>
        <translation>Precio por MB e&amp;xtra:</translation>
    </message>
    <message>
        <source>&amp;Warn at (%):</source>
        <translation>&amp;Avisar al (%):</translation>
    </message>
    <message>
        <source>This cycle: %1 to %2</source>
        <translation>Este ciclo: del %1 al %2</translation>
    </message>
    <message>
        <source>There is no profile to give a plan to.</source>
        <translation>No hay ningún perfil al que asignar un plan.</translation>
    </message>
    <message>
        <source>The price per extra MB is not an amount of money.</source>
        <translation>El precio por MB extra no es una cantidad de dinero.</translation>
    </message>
    <message>
        <source>Give the warnings as whole percentages from 1 to 1000, separated by commas (for example 80, 100).</source>
        <translation>Indique los avisos como porcentajes enteros de 1 a 1000, separados por comas (por ejemplo 80, 100).</translation>
    </message>
    <message>
        <source>The plan could not be saved: %1.</source>
        <translation>No se ha podido guardar el plan: %1.</translation>
    </message>
</context>
<context>
    <name>frmPlanWarn</name>
    <message>
        <source>Plan Allowance Warning</source>
        <translation>Aviso de la asignación del plan</translation>
    </message>
</context>
<context>
    <name>frmReminder</name>
    <message>
        <source>ModemTally Reminder</source>
        <translation>Recordatorio de ModemTally</translation>
    </message>
    <message>
        <source>Total Elapsed time :</source>
        <translation>Tiempo total transcurrido :</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorar</translation>
    </message>
    <message>
        <source>Ignore this reminder and continue with the current session</source>
        <translation>Ignorar este recordatorio y seguir con la sesión actual</translation>
    </message>
    <message>
        <source>&amp;Hang Up</source>
        <translation>&amp;Colgar</translation>
    </message>
    <message>
        <source>Hang up your current session</source>
        <translation>Colgar la sesión actual</translation>
    </message>
</context>
<context>
    <name>frmSound</name>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>Sound Control</source>
        <translation>Control de sonido</translation>
    </message>
    <message>
        <source>Play ModemTally&apos;s default sound file</source>
        <translation>Reproducir el sonido predeterminado de ModemTally</translation>
    </message>
    <message>
        <source>Play customised sound file from my computer</source>
        <translation>Reproducir un archivo de sonido propio de mi equipo</translation>
    </message>
    <message>
        <source>Customised Sound</source>
        <translation>Sonido personalizado</translation>
    </message>
    <message>
        <source>Play sound from drive</source>
        <translation>Reproducir sonido desde la unidad</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Wave files found</source>
        <translation>Archivos WAV encontrados</translation>
    </message>
    <message>
        <source>Selected sound file to be played</source>
        <translation>Archivo de sonido seleccionado para reproducir</translation>
    </message>
    <message>
        <source>Search for all *.wav files in your selected drive</source>
        <translation>Buscar todos los archivos *.wav en la unidad seleccionada</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel Search</source>
        <translation>Cancelar la búsqueda</translation>
    </message>
    <message>
        <source>S&amp;elect</source>
        <translation>S&amp;eleccionar</translation>
    </message>
    <message>
        <source>Select this sound to be played</source>
        <translation>Seleccionar este sonido para reproducirlo</translation>
    </message>
    <message>
        <source>Hear a sample sound of the selected file</source>
        <translation>Escuchar una muestra del archivo seleccionado</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Clear custom sound file. ModemTally would not play any sound</source>
        <translation>Quitar el archivo de sonido personalizado. ModemTally no reproducirá ningún sonido</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Total *.wav files found :</source>
        <translation>Total de archivos *.wav encontrados :</translation>
    </message>
    <message>
        <source>Selected sound file to be played :</source>
        <translation>Archivo de sonido seleccionado para reproducir :</translation>
    </message>
    <message>
        <source>Upon connection,</source>
        <translation>Al conectar,</translation>
    </message>
    <message>
        <source>You have chosen custom sound but have not selected any sound file to be played. Do you wish to continue?</source>
        <translation>Ha elegido un sonido personalizado pero no ha seleccionado ningún archivo de sonido para reproducir. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Custom Sound not Selected</source>
        <translation>No se ha seleccionado un sonido personalizado</translation>
    </message>
    <message>
        <source>You&apos;ve filled the list box. Abandoning search...</source>
        <translation>La lista está llena. Se abandona la búsqueda...</translation>
    </message>
</context>
<context>
    <name>frmStart</name>
    <message>
        <source>Welcome to ModemTally Deluxe!</source>
        <translation>¡Bienvenido a ModemTally Deluxe!</translation>
    </message>
    <message>
        <source>ModemTally Menu</source>
        <translation>Menú de ModemTally</translation>
    </message>
    <message>
        <source>Connect to your connection profile</source>
        <translation>Conectar con su perfil de conexión</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Hang up on your current active connection</source>
        <translation>Colgar la conexión activa actual</translation>
    </message>
    <message>
        <source>Hang Up</source>
        <translation>Colgar</translation>
    </message>
    <message>
        <source>Configuration Console</source>
        <translation>Consola de configuración</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About ModemTally</source>
        <translation>Acerca de ModemTally</translation>
    </message>
    <message>
        <source>Exit ModemTally</source>
        <translation>Salir de ModemTally</translation>
    </message>
    <message>
        <source>Place ModemTally to System Tray</source>
        <translation>Llevar ModemTally a la bandeja del sistema</translation>
    </message>
    <message>
        <source>Scan for any active connections established externally of ModemTally</source>
        <translation>Buscar conexiones activas establecidas fuera de ModemTally</translation>
    </message>
    <message>
        <source>Usage History: time online and cost by month, day and profile</source>
        <translation>Historial de uso: tiempo en línea y coste por mes, día y perfil</translation>
    </message>
    <message>
        <source>Connection Status :</source>
        <translation>Estado de la conexión :</translation>
    </message>
    <message>
        <source>Connection Status Window</source>
        <translation>Ventana del estado de la conexión</translation>
    </message>
    <message>
        <source>Time Elapsed :</source>
        <translation>Tiempo transcurrido :</translation>
    </message>
    <message>
        <source>Time elapsed in Hour:Minute:Second</source>
        <translation>Tiempo transcurrido en horas:minutos:segundos</translation>
    </message>
    <message>
        <source>&amp;SysTray</source>
        <translation>&amp;Bandeja del sistema</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Hide ModemTally</source>
        <translation>&amp;Ocultar ModemTally</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Hang Up</source>
        <translation>&amp;Colgar</translation>
    </message>
    <message>
        <source>Usage Histor&amp;y...</source>
        <translation>&amp;Historial de uso...</translation>
    </message>
    <message>
        <source>Data this session</source>
        <translation>Datos de esta sesión</translation>
    </message>
</context>
<context>
    <name>frmTimerConsole</name>
    <message>
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>Elapsed Time</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close this Timer Console</source>
        <translation>Cerrar esta ventana del temporizador</translation>
    </message>
    <message>
        <source>Data this session</source>
        <translation>Datos de esta sesión</translation>
    </message>
</context>
<context>
    <name>frmWarn</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>frmWarnNewConnection</name>
    <message>
        <source>Notice for Creating New Connection</source>
        <translation>Aviso sobre la creación de una conexión nueva</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>ModemTally would launch Windows 95/NT dialup networking program and would place ModemTally in active process intended to acquire your new dialup profile data. It is not advisable to cancel the process of creating a new dialup profile as this would result in a slight loss of memory data.</source>
        <translation>ModemTally iniciará el programa de acceso telefónico a redes de Windows 95/NT y quedará en espera para recoger los datos de su nuevo perfil de acceso telefónico. No es aconsejable cancelar la creación de un nuevo perfil de acceso telefónico, ya que provocaría una ligera pérdida de datos de memoria.</translation>
    </message>
    <message>
        <source>If you are sure you want to create a new dialup profile, then click on the &quot;Proceed&quot; button. Otherwise, click on the &quot;Cancel&quot; button.</source>
        <translation>Si está seguro de que desea crear un nuevo perfil de acceso telefónico, pulse el botón «Continuar». En caso contrario, pulse el botón «Cancelar».</translation>
    </message>
    <message>
        <source>&amp;Proceed</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
</TS>
