'''A GeoClue service that hands out a client and refuses to start it.

Loaded with `python3 -m dbusmock --template THIS_FILE -p '{"refusal": "..."}'`.
GeoClue answers Start with AccessDenied both when no agent runs for the user
and when its configuration disallows the program; "refusal" is the message.
With "no-client" set, GetClient itself fails.
'''

import dbus

BUS_NAME = 'org.freedesktop.GeoClue2'
MAIN_OBJ = '/org/freedesktop/GeoClue2/Manager'
MAIN_IFACE = 'org.freedesktop.GeoClue2.Manager'
SYSTEM_BUS = True

CLIENT_PATH = '/org/freedesktop/GeoClue2/Client/1'
CLIENT_IFACE = 'org.freedesktop.GeoClue2.Client'


def refuse(message):
    return ('raise dbus.exceptions.DBusException(%r, '
            'name="org.freedesktop.DBus.Error.AccessDenied")' % message)


def load(mock, parameters):
    refusal = parameters.get('refusal', "'org.solvane.Solvane' disallowed, no agent for UID 1000")
    get_client = refuse(refusal) if parameters.get('no-client') else 'ret = "%s"' % CLIENT_PATH
    mock.AddProperties(MAIN_IFACE, dbus.Dictionary({
        'InUse': False,
        'AvailableAccuracyLevel': dbus.UInt32(8),
    }, signature='sv'))
    mock.AddMethods(MAIN_IFACE, [
        ('GetClient', '', 'o', get_client),
        ('CreateClient', '', 'o', get_client),
        ('DeleteClient', 'o', '', ''),
        ('AddAgent', 's', '', ''),
    ])
    mock.AddObject(CLIENT_PATH, CLIENT_IFACE, dbus.Dictionary({
        'Location': dbus.ObjectPath('/'),
        'DistanceThreshold': dbus.UInt32(0),
        'TimeThreshold': dbus.UInt32(0),
        'DesktopId': '',
        'RequestedAccuracyLevel': dbus.UInt32(0),
        'Active': False,
    }, signature='sv'), [
        ('Start', '', '', refuse(refusal)),
        ('Stop', '', '', ''),
    ])
