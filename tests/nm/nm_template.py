'''A NetworkManager stand-in for ModemTally's tests (python3-dbusmock template).

Load with: /usr/bin/python3 -m dbusmock --system -t tests/nm/nm_template.py

It offers what the program uses: Settings (ListConnections, GetSettings, NewConnection,
ConnectionRemoved), the Manager (ActivateConnection, DeactivateConnection, ActiveConnections,
PrimaryConnection with PropertiesChanged), active connections with StateChanged(state, reason), one
modem device with StateChanged(new, old, reason) and the AgentManager, which it calls back as
NetworkManager does when a connection needs secrets.

Tests drive it through org.freedesktop.DBus.Mock on /org/freedesktop:
  AddProfile(id, uuid, type, scenario) -> o
  RemoveProfile(o)
  AddActive(o profile, u state) -> o          an active connection made by "another program"
  SetActiveState(o active, u state, u reason)
  SetPrimary(o active)
  GetLog() -> s                               JSON: secrets answered, agent errors, (de)activations,
                                              and the bus names of the registered agents
  Vanish()                                    the service leaves the bus at once
  AskSecrets(o profile, s setting, u flags)   asks the registered agent for secrets now, as the daemon
                                              does; the answer or error goes to the log
  Corrupt(s kind)                             sends a value of the wrong type, as a broken or hostile
                                              daemon could (see CORRUPT_SIGNALS and CORRUPT_REPLIES):
                                              a signal kind is sent at once, a reply kind replaces
                                              that reply until Corrupt('none')

A profile's scenario is what activating it does, steps separated by ';', run 20 ms apart, the first
one before ActivateConnection returns (as the real daemon can); a step written "now:STEP" runs at once
after the one before it (so "ac:1:0;now:ac:4:3" is over before the reply):
  ac:STATE:REASON       the active connection's StateChanged (4 also removes it)
  dev:STATE:REASON      the modem device's StateChanged
  secrets:SETTING:USER:PASSWORD
                        asks the registered agent for SETTING; when the answer holds USER and
                        PASSWORD the steps go on, otherwise it asks again with the request-new flag
                        and then runs the steps after "else"
  reject:ERRORNAME      (first step only) ActivateConnection fails with that D-Bus error
  stay                  stops here (the activation stays as it is)
  vanish                the service leaves the bus
'''

import json
import os
import time

import dbus
import dbus.lowlevel
import dbus.service
from gi.repository import GLib

import dbusmock
from dbusmock import MOCK_IFACE

BUS_NAME = 'org.freedesktop.NetworkManager'
MAIN_OBJ = '/org/freedesktop'
SYSTEM_BUS = True
IS_OBJECT_MANAGER = False
MAIN_IFACE = 'org.freedesktop.NetworkManager.Mock'

MANAGER_OBJ = '/org/freedesktop/NetworkManager'
MANAGER_IFACE = 'org.freedesktop.NetworkManager'
SETTINGS_OBJ = '/org/freedesktop/NetworkManager/Settings'
SETTINGS_IFACE = 'org.freedesktop.NetworkManager.Settings'
CONN_IFACE = 'org.freedesktop.NetworkManager.Settings.Connection'
ACTIVE_IFACE = 'org.freedesktop.NetworkManager.Connection.Active'
DEVICE_IFACE = 'org.freedesktop.NetworkManager.Device'
DEVICE_OBJ = '/org/freedesktop/NetworkManager/Devices/1'
STATS_IFACE = 'org.freedesktop.NetworkManager.Device.Statistics'
AGENT_MANAGER_OBJ = '/org/freedesktop/NetworkManager/AgentManager'
AGENT_MANAGER_IFACE = 'org.freedesktop.NetworkManager.AgentManager'
AGENT_OBJ = '/org/freedesktop/NetworkManager/SecretAgent'
AGENT_IFACE = 'org.freedesktop.NetworkManager.SecretAgent'

STEP_MS = 20

# Everything the stand-in knows, kept in one place.
STATE = {
    'profiles': {},       # path -> {'settings': ..., 'scenario': str}
    'next_profile': 1,
    'next_active': 1,
    'agents': [],         # bus names of registered agents
    'corrupt': set(),     # reply kinds sent with the wrong type (Corrupt)
    'log': {'secrets': [], 'agent_errors': [], 'activations': [], 'deactivations': []},
}


class AgentManager(dbus.service.Object):
    '''Needs the caller's bus name, which dbusmock's generic methods do not give.'''

    # dbusmock's method lookup looks here first and falls back to dbus-python's own.
    methods = {}
    interface = AGENT_MANAGER_IFACE

    @dbus.service.method(AGENT_MANAGER_IFACE, in_signature='s', out_signature='', sender_keyword='sender')
    def Register(self, identifier, sender=None):
        if sender not in STATE['agents']:
            STATE['agents'].append(sender)

    @dbus.service.method(AGENT_MANAGER_IFACE, in_signature='su', out_signature='', sender_keyword='sender')
    def RegisterWithCapabilities(self, identifier, capabilities, sender=None):
        self.Register(identifier, sender=sender)

    @dbus.service.method(AGENT_MANAGER_IFACE, in_signature='', out_signature='', sender_keyword='sender')
    def Unregister(self, sender=None):
        if sender in STATE['agents']:
            STATE['agents'].remove(sender)


def _update(obj, iface, props):
    '''Sets properties and emits PropertiesChanged (dbusmock's own UpdateProperties cannot wrap object
    paths).'''
    for name, value in props.items():
        obj.props[iface][name] = value
    obj.EmitSignal(dbus.PROPERTIES_IFACE, 'PropertiesChanged', 'sa{sv}as',
                   [iface, dbus.Dictionary(props, signature='sv'), dbus.Array([], signature='s')])


def _manager():
    return dbusmock.get_object(MANAGER_OBJ)


def _active_paths():
    return list(_manager().Get(MANAGER_IFACE, 'ActiveConnections'))


def _set_active_paths(paths):
    _update(_manager(), MANAGER_IFACE, {'ActiveConnections': dbus.Array(paths, signature='o')})


def _device_state(new, reason):
    dev = dbusmock.get_object(DEVICE_OBJ)
    old = dev.Get(DEVICE_IFACE, 'State')
    _update(dev, DEVICE_IFACE, {'State': dbus.UInt32(new)})
    dev.EmitSignal(DEVICE_IFACE, 'StateChanged', 'uuu', [dbus.UInt32(new), dbus.UInt32(old), dbus.UInt32(reason)])


def _active_state(path, state, reason):
    if path not in dbusmock.mockobject.objects:
        return
    ac = dbusmock.get_object(path)
    _update(ac, ACTIVE_IFACE, {'State': dbus.UInt32(state)})
    ac.EmitSignal(ACTIVE_IFACE, 'StateChanged', 'uu', [dbus.UInt32(state), dbus.UInt32(reason)])
    if state == 4:
        paths = [p for p in _active_paths() if str(p) != str(path)]
        _set_active_paths(paths)
        mgr = _manager()
        if str(mgr.Get(MANAGER_IFACE, 'PrimaryConnection')) == str(path):
            _update(mgr, MANAGER_IFACE, {'PrimaryConnection': dbus.ObjectPath('/')})
        mgr.RemoveObject(path)
    elif state == 2 and str(_manager().Get(MANAGER_IFACE, 'PrimaryConnection')) == '/':
        _update(_manager(), MANAGER_IFACE, {'PrimaryConnection': dbus.ObjectPath(path)})


def _new_active(profile_path, state, devices):
    n = STATE['next_active']
    STATE['next_active'] += 1
    path = f'/org/freedesktop/NetworkManager/ActiveConnection/{n}'
    c = STATE['profiles'][str(profile_path)]['settings']['connection']
    _manager().AddObject(path, ACTIVE_IFACE, {
        'Connection': dbus.ObjectPath(profile_path),
        'Id': c['id'],
        'Uuid': c['uuid'],
        'Type': c['type'],
        'State': dbus.UInt32(state),
        'Devices': dbus.Array(devices, signature='o'),
        'Default': False,
        'Vpn': c['type'] == 'vpn',
    }, [])
    _set_active_paths(_active_paths() + [dbus.ObjectPath(path)])
    return path


class Run:
    '''One activation walking through its scenario.'''

    def __init__(self, ac_path, profile_path, steps):
        self.ac = ac_path
        self.profile = profile_path
        self.steps = steps
        self.i = 0
        self.asked_again = False

    def go_on(self, delay=STEP_MS):
        GLib.timeout_add(delay, self.step)

    def step(self):
        if self.i >= len(self.steps):
            return False
        s = self.steps[self.i]
        self.i += 1
        if s.startswith('now:'):
            s = s[len('now:'):]
        parts = s.split(':')
        kind = parts[0]
        if kind in ('else', 'stay'):
            return False
        if kind == 'ac':
            _active_state(self.ac, int(parts[1]), int(parts[2]))
        elif kind == 'dev':
            _device_state(int(parts[1]), int(parts[2]))
        elif kind == 'vanish':
            os._exit(0)
        elif kind == 'secrets':
            self.ask(parts[1], parts[2], parts[3], 0x1)
            return False  # goes on from the reply
        if self.i < len(self.steps) and self.steps[self.i].startswith('now:'):
            return self.step()
        self.go_on()
        return False

    def ask(self, setting, user, password, flags):
        profile = STATE['profiles'][self.profile]
        if not STATE['agents']:
            self.secrets_failed(setting, user, password, 'no agent registered')
            return
        bus = dbusmock.get_object(MANAGER_OBJ).connection
        conn = dbus.Dictionary({k: dbus.Dictionary(v, signature='sv') for k, v in profile['settings'].items()},
                               signature='sa{sv}')

        def reply(answer):
            got = {k: {kk: (dict(vv) if isinstance(vv, dict) else str(vv)) for kk, vv in v.items()}
                   for k, v in answer.items()}
            STATE['log']['secrets'].append({'setting': setting, 'flags': flags, 'answer': got})
            values = got.get(setting, {})
            pw = values.get('password')
            if pw is None and isinstance(values.get('secrets'), dict):
                pw = values['secrets'].get('password')
            ok = pw == password and (setting == 'vpn' or values.get('username') == user)
            if ok:
                self.go_on()
            else:
                self.secrets_failed(setting, user, password, 'wrong secrets')

        def error(e):
            STATE['log']['agent_errors'].append({'setting': setting, 'flags': flags, 'error': e.get_dbus_name()})
            self.secrets_failed(setting, user, password, e.get_dbus_name(), asked=True)

        bus.call_async(STATE['agents'][-1], AGENT_OBJ, AGENT_IFACE, 'GetSecrets', 'a{sa{sv}}osasu',
                       (conn, dbus.ObjectPath(self.profile), setting, dbus.Array([], signature='s'),
                        dbus.UInt32(flags)),
                       reply, error)

    def secrets_failed(self, setting, user, password, why, asked=False):
        if not self.asked_again and not (asked and self.asked_again):
            self.asked_again = True
            if why == 'wrong secrets':
                self.ask(setting, user, password, 0x1 | 0x2)
                return
        # to the steps after "else"
        try:
            self.i = self.steps.index('else') + 1
        except ValueError:
            self.i = len(self.steps)
        self.go_on()


def activate(self, conn, dev, specific):
    conn = str(conn)
    if conn not in STATE['profiles']:
        raise dbus.exceptions.DBusException('no such connection',
                                            name='org.freedesktop.NetworkManager.UnknownConnection')
    steps = [s for s in STATE['profiles'][conn]['scenario'].split(';') if s]
    STATE['log']['activations'].append(conn)
    if steps and steps[0].startswith('reject:'):
        raise dbus.exceptions.DBusException('refused by the stand-in', name=steps[0][len('reject:'):])
    path = _new_active(conn, 0, [dbus.ObjectPath(DEVICE_OBJ)])
    run = Run(path, conn, steps)
    run.step()  # the first step before the reply
    return dbus.ObjectPath(path)


def deactivate(self, ac):
    ac = str(ac)
    STATE['log']['deactivations'].append(ac)
    if ac not in dbusmock.mockobject.objects:
        raise dbus.exceptions.DBusException('not active',
                                            name='org.freedesktop.NetworkManager.ConnectionNotActive')
    _active_state(ac, 3, 2)
    GLib.timeout_add(STEP_MS, lambda: (_device_state(30, 39), _active_state(ac, 4, 2), False)[-1])


def list_connections(self):
    return dbus.Array([dbus.ObjectPath(p) for p in STATE['profiles']], signature='o')


def get_settings(self):
    s = STATE['profiles'][self.__dbus_object_path__]['settings']
    return dbus.Dictionary({k: dbus.Dictionary(v, signature='sv') for k, v in s.items()}, signature='sa{sv}')


def _u(*values):
    return dbus.Array([dbus.UInt32(v) for v in values], signature='u')


def _first_active():
    paths = _active_paths()
    return str(paths[0]) if paths else '/org/freedesktop/NetworkManager/ActiveConnection/1'


# Signals of the wrong type: kind -> (path, interface, member, signature, arguments).
CORRUPT_SIGNALS = {
    'props-active-au': lambda: (MANAGER_OBJ, dbus.PROPERTIES_IFACE, 'PropertiesChanged', 'sa{sv}as',
                                [MANAGER_IFACE, dbus.Dictionary({'ActiveConnections': _u(1, 2, 3)}, signature='sv'),
                                 dbus.Array([], signature='s')]),
    'props-primary-s': lambda: (MANAGER_OBJ, dbus.PROPERTIES_IFACE, 'PropertiesChanged', 'sa{sv}as',
                                [MANAGER_IFACE, dbus.Dictionary({'PrimaryConnection': dbus.String('/x')},
                                                                signature='sv'),
                                 dbus.Array([], signature='s')]),
    'props-changes-as': lambda: (MANAGER_OBJ, dbus.PROPERTIES_IFACE, 'PropertiesChanged', 'sasas',
                                 [MANAGER_IFACE, dbus.Array(['ActiveConnections'], signature='s'),
                                  dbus.Array([], signature='s')]),
    'props-iface-u': lambda: (MANAGER_OBJ, dbus.PROPERTIES_IFACE, 'PropertiesChanged', 'ua{sv}as',
                              [dbus.UInt32(7), dbus.Dictionary({}, signature='sv'), dbus.Array([], signature='s')]),
    'active-state-ss': lambda: (_first_active(), ACTIVE_IFACE, 'StateChanged', 'ss', ['4', '3']),
    'device-state-ao': lambda: (DEVICE_OBJ, DEVICE_IFACE, 'StateChanged', 'ao',
                                [dbus.Array([dbus.ObjectPath('/a')], signature='o')]),
    'new-connection-u': lambda: (SETTINGS_OBJ, SETTINGS_IFACE, 'NewConnection', 'u', [dbus.UInt32(5)]),
    'removed-as': lambda: (SETTINGS_OBJ, SETTINGS_IFACE, 'ConnectionRemoved', 'as',
                           [dbus.Array([f'{SETTINGS_OBJ}/1'], signature='s')]),
}


def _corrupt_reply(msg):
    '''(signature, arguments) of a wrongly typed reply to the call, or None to answer it properly.'''
    kinds = STATE['corrupt']
    member, path = msg.get_member(), msg.get_path()
    args = msg.get_args_list()
    if member == 'ListConnections' and 'list-au' in kinds:
        return 'au', [_u(1, 2)]
    if member == 'GetSettings' and 'settings-id-au' in kinds:
        return 'a{sa{sv}}', [dbus.Dictionary({'connection': dbus.Dictionary(
            {'id': _u(1), 'uuid': 'u-x', 'type': 'pppoe'}, signature='sv')}, signature='sa{sv}')]
    if member == 'GetAll' and path == MANAGER_OBJ and args and args[0] == MANAGER_IFACE:
        if 'manager-getall-au' in kinds:
            return 'a{sv}', [dbus.Dictionary({'ActiveConnections': _u(1), 'PrimaryConnection': dbus.UInt32(1)},
                                             signature='sv')]
        if 'manager-getall-as' in kinds:
            return 'as', [dbus.Array(['ActiveConnections'], signature='s')]
    if member == 'GetAll' and args and args[0] == ACTIVE_IFACE and 'active-getall-au' in kinds:
        return 'a{sv}', [dbus.Dictionary({'Devices': _u(1), 'State': 'up', 'Connection': 'x', 'Id': dbus.UInt32(1)},
                                         signature='sv')]
    if member == 'ActivateConnection' and 'activate-s' in kinds:
        return 's', ['/org/freedesktop/NetworkManager/ActiveConnection/99']
    return None


def _filter(connection, msg):
    if msg.get_type() != dbus.lowlevel.MESSAGE_TYPE_METHOD_CALL or not STATE['corrupt']:
        return dbus.lowlevel.HANDLER_RESULT_NOT_YET_HANDLED
    bad = _corrupt_reply(msg)
    if bad is None:
        return dbus.lowlevel.HANDLER_RESULT_NOT_YET_HANDLED
    reply = dbus.lowlevel.MethodReturnMessage(msg)
    reply.append(signature=bad[0], *bad[1])
    connection.send_message(reply)
    return dbus.lowlevel.HANDLER_RESULT_HANDLED


def load(mock, parameters):
    mock.AddObject(MANAGER_OBJ, MANAGER_IFACE, {
        'ActiveConnections': dbus.Array([], signature='o'),
        'PrimaryConnection': dbus.ObjectPath('/'),
        'Devices': dbus.Array([dbus.ObjectPath(DEVICE_OBJ)], signature='o'),
        'State': dbus.UInt32(20),
        'Version': '1.42.4-standin',
    }, [
        ('ActivateConnection', 'ooo', 'o', activate),
        ('DeactivateConnection', 'o', '', deactivate),
    ])
    mock.AddObject(SETTINGS_OBJ, SETTINGS_IFACE, {}, [
        ('ListConnections', '', 'ao', list_connections),
    ])
    mock.AddObject(DEVICE_OBJ, DEVICE_IFACE, {
        'Interface': 'ttyUSB0',
        'IpInterface': 'ppp0',
        'State': dbus.UInt32(30),
    }, [])
    # The statistics: RefreshRateMs is writable (through Properties.Set); the counts move by SetCounters.
    dbusmock.get_object(DEVICE_OBJ).AddProperties(STATS_IFACE, {
        'RefreshRateMs': dbus.UInt32(0),
        'RxBytes': dbus.UInt64(0),
        'TxBytes': dbus.UInt64(0),
    })
    STATE['agent_manager'] = AgentManager(mock.bus_name, AGENT_MANAGER_OBJ)
    mock.connection.add_message_filter(_filter)


@dbus.service.method(MOCK_IFACE, in_signature='ssss', out_signature='o')
def AddProfile(self, cid, cuuid, ctype, scenario):
    n = STATE['next_profile']
    STATE['next_profile'] += 1
    path = f'{SETTINGS_OBJ}/{n}'
    STATE['profiles'][path] = {
        'settings': {'connection': {'id': cid, 'uuid': cuuid, 'type': ctype}},
        'scenario': scenario,
    }
    self.AddObject(path, CONN_IFACE, {}, [('GetSettings', '', 'a{sa{sv}}', get_settings)])
    dbusmock.get_object(SETTINGS_OBJ).EmitSignal(SETTINGS_IFACE, 'NewConnection', 'o', [dbus.ObjectPath(path)])
    return dbus.ObjectPath(path)


@dbus.service.method(MOCK_IFACE, in_signature='o', out_signature='')
def RemoveProfile(self, path):
    path = str(path)
    del STATE['profiles'][path]
    self.RemoveObject(path)
    dbusmock.get_object(SETTINGS_OBJ).EmitSignal(SETTINGS_IFACE, 'ConnectionRemoved', 'o', [dbus.ObjectPath(path)])


@dbus.service.method(MOCK_IFACE, in_signature='ou', out_signature='o')
def AddActive(self, profile, state):
    path = _new_active(str(profile), int(state), [])
    if int(state) == 2 and str(_manager().Get(MANAGER_IFACE, 'PrimaryConnection')) == '/':
        _update(_manager(), MANAGER_IFACE, {'PrimaryConnection': dbus.ObjectPath(path)})
    return dbus.ObjectPath(path)


@dbus.service.method(MOCK_IFACE, in_signature='ouu', out_signature='')
def SetActiveState(self, path, state, reason):
    _active_state(str(path), int(state), int(reason))


@dbus.service.method(MOCK_IFACE, in_signature='tt', out_signature='')
def SetCounters(self, rx, tx):
    _update(dbusmock.get_object(DEVICE_OBJ), STATS_IFACE, {'RxBytes': dbus.UInt64(rx), 'TxBytes': dbus.UInt64(tx)})


@dbus.service.method(MOCK_IFACE, in_signature='', out_signature='u')
def GetRefreshRate(self):
    return dbusmock.get_object(DEVICE_OBJ).props[STATS_IFACE]['RefreshRateMs']


@dbus.service.method(MOCK_IFACE, in_signature='o', out_signature='')
def SetPrimary(self, path):
    _update(_manager(), MANAGER_IFACE, {'PrimaryConnection': dbus.ObjectPath(path)})


@dbus.service.method(MOCK_IFACE, in_signature='', out_signature='s')
def GetLog(self):
    return json.dumps(dict(STATE['log'], agents=STATE['agents']))


@dbus.service.method(MOCK_IFACE, in_signature='u', out_signature='')
def Stall(self, ms):
    '''Answers nothing for `ms` milliseconds from the next turn of the loop: a daemon too slow to answer.'''
    GLib.idle_add(lambda: time.sleep(ms / 1000.0) or False)


@dbus.service.method(MOCK_IFACE, in_signature='', out_signature='')
def Vanish(self):
    GLib.idle_add(lambda: os._exit(0))


@dbus.service.method(MOCK_IFACE, in_signature='osu', out_signature='')
def AskSecrets(self, profile, setting, flags):
    profile = str(profile)
    conn = dbus.Dictionary({k: dbus.Dictionary(v, signature='sv')
                            for k, v in STATE['profiles'][profile]['settings'].items()}, signature='sa{sv}')

    def reply(answer):
        got = {k: {kk: (dict(vv) if isinstance(vv, dict) else str(vv)) for kk, vv in v.items()}
               for k, v in answer.items()}
        STATE['log']['secrets'].append({'setting': setting, 'flags': int(flags), 'answer': got})

    def error(e):
        STATE['log']['agent_errors'].append({'setting': setting, 'flags': int(flags), 'error': e.get_dbus_name()})

    _manager().connection.call_async(STATE['agents'][-1], AGENT_OBJ, AGENT_IFACE, 'GetSecrets', 'a{sa{sv}}osasu',
                                     (conn, dbus.ObjectPath(profile), str(setting), dbus.Array([], signature='s'),
                                      dbus.UInt32(flags)), reply, error)


@dbus.service.method(MOCK_IFACE, in_signature='s', out_signature='')
def Corrupt(self, kind):
    kind = str(kind)
    if kind == 'none':
        STATE['corrupt'].clear()
    elif kind in CORRUPT_SIGNALS:
        path, iface, member, signature, args = CORRUPT_SIGNALS[kind]()
        msg = dbus.lowlevel.SignalMessage(path, iface, member)
        msg.append(signature=signature, *args)
        _manager().connection.send_message(msg)
    else:
        STATE['corrupt'].add(kind)
