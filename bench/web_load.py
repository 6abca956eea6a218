#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Corvane-Entwickler
"""Load of the rotor's web page: PAGES logged-in pages follow the live readings over their
WebSockets while Hamlib's dummy rotator (behind rotctld) turns, for SECONDS. Prints the rotor
program's share of one core, its resident memory (now and at its peak), how long a reading takes
from rotctld (its time-stamped log) to a page, and how far apart the pages get the same reading.
Run on a session bus of its own:

  dbus-run-session -- bench/web_load.py build/program/CorvaneRotor [PAGES] [SECONDS]"""
import base64
import bisect
import datetime
import json
import os
import re
import select
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import urllib.request

PASSWORD = 'Antenne-Nord'


def free_port():
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        return s.getsockname()[1]


def login(port):
    request = urllib.request.Request('http://127.0.0.1:%d/login' % port, data=('password=' + PASSWORD).encode(),
                                     headers={'Origin': 'http://127.0.0.1:%d' % port})
    with urllib.request.urlopen(request) as answer:
        cookie = re.search(r'corvane_session=[0-9a-f]+', answer.headers['Set-Cookie']).group(0)
        return cookie, json.load(answer)['token']


def live_page(port, cookie):
    """A WebSocket to /live as the page opens it; returns the socket once upgraded."""
    page = socket.create_connection(('127.0.0.1', port))
    key = base64.b64encode(os.urandom(16)).decode()
    page.sendall(('GET /live HTTP/1.1\r\nHost: 127.0.0.1:%d\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n'
                  'Sec-WebSocket-Key: %s\r\nSec-WebSocket-Version: 13\r\nOrigin: http://127.0.0.1:%d\r\n'
                  'Cookie: %s\r\n\r\n' % (port, key, port, cookie)).encode())
    head = b''
    while b'\r\n\r\n' not in head:
        head += page.recv(4096)
    assert head.startswith(b'HTTP/1.1 101'), head
    return page, head.split(b'\r\n\r\n', 1)[1]


def frames(buffer):
    """Whole unmasked text frames at the buffer's start: their texts and what is left."""
    texts = []
    while len(buffer) >= 2:
        length, start = buffer[1] & 0x7f, 2
        if length == 126:
            if len(buffer) < 4:
                break
            length, start = int.from_bytes(buffer[2:4], 'big'), 4
        if len(buffer) < start + length:
            break
        texts.append(buffer[start:start + length].decode())
        buffer = buffer[start + length:]
    return texts, buffer


def cpu_seconds(pid):
    fields = open('/proc/%d/stat' % pid).read().rsplit(')', 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf('SC_CLK_TCK')


def memory(pid):
    status = open('/proc/%d/status' % pid).read()
    return [int(re.search(name + r':\s+(\d+)', status).group(1)) / 1024 for name in ('VmRSS', 'VmHWM')]


def main():
    program = os.path.abspath(sys.argv[1])
    pages = int(sys.argv[2]) if len(sys.argv) > 2 else 50
    seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 60
    with tempfile.TemporaryDirectory() as work:
        env = dict(os.environ, HOME=work, XDG_CONFIG_HOME=work + '/config', XDG_DATA_HOME=work + '/data')
        folder = work + '/program'
        os.makedirs(folder)
        shutil.copy(program, folder)
        program = folder + '/' + os.path.basename(program)
        rotctld_port, web_port = free_port(), free_port()
        rotctld_log = open(work + '/rotctld.log', 'w')
        rotctld = subprocess.Popen(['rotctld', '-m', '1', '-t', str(rotctld_port), '-T', '127.0.0.1', '-vvvvv', '-Z'],
                                   stdout=rotctld_log, stderr=subprocess.STDOUT)
        subprocess.run([program, '--register', '--model', '2', '--device', '127.0.0.1:%d' % rotctld_port,
                        '--serve-web', '127.0.0.1:%d' % web_port], env=env, check=True, capture_output=True)
        subprocess.run([program, '--set-web-password'], env=env, input=PASSWORD + '\n', text=True, check=True,
                       capture_output=True)
        rotor = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            time.sleep(1.5)
            idle_rss = memory(rotor.pid)[0]
            cookie, token = login(web_port)
            sockets = [live_page(web_port, cookie) for _ in range(pages)]
            buffers = {page.fileno(): rest for page, rest in sockets}
            # The rotator turns the whole time: every reading is a new one.
            request = urllib.request.Request('http://127.0.0.1:%d/api/turn' % web_port, data=b'{"target":"179"}',
                                             headers={'Origin': 'http://127.0.0.1:%d' % web_port, 'Cookie': cookie,
                                                      'X-Corvane-Token': token, 'Content-Type': 'application/json'})
            urllib.request.urlopen(request).close()
            arrivals = {page.fileno(): [] for page, _ in sockets}  # page: when each message came
            first_page = []  # wall-clock times of the first page's messages
            cpu_before, started = cpu_seconds(rotor.pid), time.monotonic()
            while time.monotonic() - started < seconds:
                ready, _, _ = select.select([page for page, _ in sockets], [], [], 0.5)
                now = time.monotonic()
                wall = time.time()
                for page in ready:
                    texts, buffers[page.fileno()] = frames(buffers[page.fileno()] + page.recv(65536))
                    arrivals[page.fileno()] += [now] * len(texts)
                    if page is sockets[0][0]:
                        first_page += [wall] * len(texts)
            used = cpu_seconds(rotor.pid) - cpu_before
            elapsed = time.monotonic() - started
            rss, peak = memory(rotor.pid)
            # The k-th message of every page is the same reading: how far apart did they get it?
            count = min(len(times) for times in arrivals.values())
            spreads = sorted((max(t[k] for t in arrivals.values()) - min(t[k] for t in arrivals.values())) * 1000
                             for k in range(count))
            print('%d pages for %.0f s: %d readings reached every page' % (pages, elapsed, count))
            print('CorvaneRotor: %.2f %% of one core; resident %.1f MB (%.1f MB before the pages), peak %.1f MB'
                  % (100 * used / elapsed, rss, idle_rss, peak))
            # Each position rotctld gave, to the first message of the first page after it.
            read = [datetime.datetime.strptime(line[:31], '%Y-%m-%dT%H:%M:%S.%f%z').timestamp()
                for line in open(work + '/rotctld.log', encoding='latin-1') if 'rot_get_position: got' in line]
            delays = []
            for at in read:
                k = bisect.bisect_left(first_page, at)
                if first_page and at >= first_page[0] and k < len(first_page):
                    delays.append((first_page[k] - at) * 1000)
            delays.sort()
            if delays:
                print('a reading from rotctld to the page: median %.1f ms, worst %.1f ms (%d readings)'
                      % (delays[len(delays) // 2], delays[-1], len(delays)))
            if spreads:
                print('the same reading at the first and the last page: median %.1f ms, worst %.1f ms apart'
                      % (spreads[len(spreads) // 2], spreads[-1]))
        finally:
            rotor.terminate()
            rotctld.terminate()
            rotor.wait()
            rotctld.wait()


if __name__ == '__main__':
    main()
