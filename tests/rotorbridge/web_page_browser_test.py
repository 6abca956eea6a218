#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Corvane-Entwickler
"""The rotor program's web page in headless Chromium, against Hamlib's own rotctld (dummy rotator)
behind the rotor program: a wrong password is refused, the right one logs in, 123 typed and "turn"
reaches rotctld as a position, the reading follows the rotator, "stop" reaches it as a stop, a
preset turns it, the beam map is shown, logout ends the session. The English page on a phone;
the page beyond the loopback over HTTPS.

Usage: web_page_browser_test.py CORVANEROTOR [SCREENSHOT_FOLDER]
Run it on a session bus of its own (dbus-run-session); it makes its own home folder."""
import hashlib
import http.client
import os
import re
import shutil
import socket
import ssl
import struct
import subprocess
import sys
import tempfile
import time
import urllib.error
import urllib.request

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

PASSWORD = 'Antenne-Nord'


def free_port():
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        return s.getsockname()[1]


def beam_bitmap(path, side=400):
    """A 24-bit BMP, bottom row first: a blue disc on white, as Corvane caches its beam map."""
    row_bytes = (side * 3 + 3) // 4 * 4
    rows = []
    for y in range(side - 1, -1, -1):
        row = bytearray()
        for x in range(side):
            inside = (x - side / 2) ** 2 + (y - side / 2) ** 2 < (side / 2 - 2) ** 2
            row += bytes((200, 120, 40) if inside else (255, 255, 255))
        rows.append(bytes(row) + bytes(row_bytes - len(row)))
    data = b''.join(rows)
    header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, side, side, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + data)


class Station:
    """rotctld, the rotor program registered for it with its web page, and their folders."""

    def __init__(self, program, work, language=None, address='127.0.0.1'):
        self.work = work
        self.rotctld_port = free_port()
        self.web_port = free_port()
        self.rotctld_log = open(os.path.join(work, 'rotctld.log'), 'w')
        self.rotctld = subprocess.Popen(['rotctld', '-m', '1', '-t', str(self.rotctld_port), '-T', '127.0.0.1', '-vvvvv'],
                                        stdout=self.rotctld_log, stderr=subprocess.STDOUT)
        # A portable program folder of its own: the directions list lives beside the program.
        folder = os.path.join(work, 'program')
        os.makedirs(folder)
        shutil.copy(program, folder)
        translations = os.path.join(os.path.dirname(program), 'translations')
        if os.path.isdir(translations):
            shutil.copytree(translations, os.path.join(folder, 'translations'))
        self.program = os.path.join(folder, os.path.basename(program))
        with open(os.path.join(folder, 'Data.txt'), 'wb') as f:
            f.write('DL NORD\t15\t0\r\nW1AW\t292\t0\r\n'.encode('cp1252'))
        # Corvane's settings file registered, with its beam map beside it.
        corvane = os.path.join(work, 'corvane')
        os.makedirs(os.path.join(corvane, 'Karten'))
        beam_bitmap(os.path.join(corvane, 'Karten', 'BeamKarte.bmp'))
        self.env = dict(os.environ, HOME=work, XDG_CONFIG_HOME=os.path.join(work, 'config'),
                        XDG_DATA_HOME=os.path.join(work, 'data'), LANG='de_DE.UTF-8')
        if language:
            self.env['CORVANE_LANGUAGE'] = language
        os.makedirs(self.env['XDG_CONFIG_HOME'])
        with open(os.path.join(self.env['XDG_CONFIG_HOME'], 'Corvane.conf'), 'w') as f:
            f.write('[General]\nEinstellungsdatei=%s\n' % os.path.join(corvane, 'Corvane.ini'))
        registered = self.run(['--register', '--model', '2', '--device', '127.0.0.1:%d' % self.rotctld_port,
                               '--serve-web', '%s:%d' % (address, self.web_port)])
        shown = re.search(r'\(SHA-256\): ([0-9A-F:]+)', registered)
        self.fingerprint = shown.group(1) if shown else None
        self.run(['--set-web-password'], PASSWORD + '\n')
        self.log = open(os.path.join(work, 'rotor.log'), 'w')
        self.rotor = subprocess.Popen([self.program], env=self.env, stdout=self.log, stderr=subprocess.STDOUT)
        self.url = '%s://%s:%d/' % ('http' if address == '127.0.0.1' else 'https', address, self.web_port)
        deadline = time.time() + 15
        while time.time() < deadline:
            try:
                socket.create_connection((address, self.web_port), 0.5).close()
                return
            except OSError:
                time.sleep(0.1)
        raise AssertionError('the page was not served: ' + open(os.path.join(work, 'rotor.log')).read())

    def run(self, arguments, given=None):
        done = subprocess.run([self.program] + arguments, env=self.env, input=given, text=True,
                              capture_output=True, timeout=60)
        assert done.returncode == 0, done.stdout + done.stderr
        return done.stdout

    def rotctld_said(self, pattern):
        with open(os.path.join(self.work, 'rotctld.log'), encoding='latin-1') as f:
            return re.search(pattern, f.read()) is not None

    def close(self):
        for process in (self.rotor, self.rotctld):
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()


def browser(width, height, phone=False, self_signed=False):
    options = webdriver.ChromeOptions()
    for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage',
                     '--window-size=%d,%d' % (width, height)):
        options.add_argument(argument)
    # As a user who compared the fingerprint and accepted the certificate.
    if self_signed:
        options.add_argument('--ignore-certificate-errors')
    # A window is at least 500 px wide: a phone's screen is emulated, as its browser shows pages.
    if phone:
        options.add_experimental_option('mobileEmulation', {
            'deviceMetrics': {'width': width, 'height': height, 'pixelRatio': 2, 'touch': True}})
    return webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)


def check(condition, what):
    if not condition:
        raise AssertionError(what)
    print('ok:', what)


def reading(driver):
    text = driver.find_element(By.ID, 'azimuth').text.replace(',', '.')
    return float(text) if re.fullmatch(r'-?\d+(\.\d+)?', text) else None


def german_page(program, shots):
    with tempfile.TemporaryDirectory() as work:
        station = Station(program, work)
        driver = browser(1280, 800)
        wait = WebDriverWait(driver, 20, 0.05)
        try:
            driver.get(station.url)
            wait.until(lambda d: d.find_element(By.ID, 'password').is_displayed())
            driver.find_element(By.ID, 'password').send_keys('falsch-geraten')
            driver.find_element(By.ID, 'login').click()
            wait.until(lambda d: d.find_element(By.ID, 'loginMessage').text == 'Falsches Passwort')
            check(not driver.find_element(By.ID, 'turn').is_displayed(), 'a wrong password is refused')
            driver.find_element(By.ID, 'password').send_keys(PASSWORD)
            driver.find_element(By.ID, 'login').click()
            wait.until(lambda d: d.find_element(By.ID, 'turn').is_displayed())
            wait.until(lambda d: reading(d) is not None)
            check(True, 'logged in, the reading shown: %s' % driver.find_element(By.ID, 'azimuth').text)
            wait.until(lambda d: d.find_element(By.ID, 'beamMap').is_displayed())
            check(driver.execute_script('return document.getElementById("beamPicture").naturalWidth') == 400,
                  'the beam map is shown')
            presets = driver.find_elements(By.CSS_SELECTOR, '#presets button')
            check([p.text for p in presets] == ['DL NORD (15)', 'W1AW (292)'], 'the directions list as presets')

            driver.find_element(By.ID, 'target').send_keys('123')
            driver.find_element(By.ID, 'turn').click()
            wait.until(lambda d: station.rotctld_said(r'rot_set_position called az=123\.00'))
            check(True, 'turn to 123 reaches rotctld')
            wait.until(lambda d: d.find_element(By.ID, 'goal').text == '123,0')
            first = reading(driver)
            wait.until(lambda d: (reading(d) or 0) >= first + 3)
            check(True, 'the reading follows the rotator (%s -> %s)' % (first, reading(driver)))
            if shots:
                driver.save_screenshot(os.path.join(shots, 'rotor-web-1280x800.png'))
            driver.find_element(By.ID, 'stop').click()
            wait.until(lambda d: station.rotctld_said(r'rot_stop called'))
            check(True, 'stop reaches rotctld as a stop')
            # The page says so once two readings in a row are the same.
            wait.until(lambda d: d.find_element(By.ID, 'motion').text == 'steht')
            check(True, 'the rotator stands after the stop (%s)' % reading(driver))

            presets[0].click()
            wait.until(lambda d: station.rotctld_said(r'rot_set_position called az=15\.00'))
            check(True, 'a preset turns the rotator')

            driver.find_element(By.ID, 'logout').click()
            wait.until(lambda d: d.find_element(By.ID, 'password').is_displayed())
            driver.get(station.url)
            wait.until(lambda d: d.find_element(By.ID, 'password').is_displayed())
            check(not driver.find_element(By.ID, 'turn').is_displayed(), 'logged out: the page asks again')
        finally:
            driver.quit()
            station.close()


def english_phone_page(program, shots):
    with tempfile.TemporaryDirectory() as work:
        station = Station(program, work, language='en')
        driver = browser(390, 844, phone=True)
        wait = WebDriverWait(driver, 20, 0.05)
        try:
            driver.get(station.url)
            wait.until(lambda d: d.find_element(By.ID, 'password').is_displayed())
            check(driver.find_element(By.ID, 'login').text == 'Log in', 'the page in English')
            driver.find_element(By.ID, 'password').send_keys(PASSWORD)
            driver.find_element(By.ID, 'login').click()
            wait.until(lambda d: d.find_element(By.ID, 'turn').is_displayed())
            wait.until(lambda d: d.find_element(By.ID, 'beamMap').is_displayed())
            check(driver.find_element(By.ID, 'stop').text == 'Stop', 'its buttons in English')
            small = [b.text for b in driver.find_elements(By.TAG_NAME, 'button')
                     if b.is_displayed() and b.size['height'] < 44]
            check(not small, 'every button at least 44 px high on a phone')
            width = driver.execute_script('return document.documentElement.scrollWidth')
            check(width <= 390, 'one column, no sideways scrolling (%d px)' % width)
            if shots:
                driver.save_screenshot(os.path.join(shots, 'rotor-web-390x844.png'))
            station.rotctld.terminate()
            station.rotctld.wait()
            wait.until(lambda d: d.find_element(By.ID, 'azimuth').text == '–')
            check(driver.find_element(By.ID, 'needle').get_attribute('visibility') == 'hidden',
                  'rotctld stopped: no azimuth and no needle on the page')
        finally:
            driver.quit()
            station.close()


def outside_address():
    """An address of this machine beyond the loopback, or None."""
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        try:
            s.connect(('192.0.2.1', 9))  # no packet is sent: only the route is looked up
            address = s.getsockname()[0]
        except OSError:
            return None
    return None if address.startswith('127.') else address


def https_page(program):
    """Beyond the loopback: HTTPS with the certificate made at first use, whose fingerprint
    --register printed; plain HTTP gets no page; the live reading comes over wss."""
    address = outside_address()
    if not address:
        print('skipped: no address beyond the loopback')
        return
    with tempfile.TemporaryDirectory() as work:
        station = Station(program, work, address=address)
        driver = browser(1280, 800, self_signed=True)
        wait = WebDriverWait(driver, 20, 0.05)
        try:
            served = ssl.get_server_certificate((address, station.web_port))
            fingerprint = hashlib.sha256(ssl.PEM_cert_to_DER_cert(served)).hexdigest().upper()
            check(station.fingerprint == ':'.join(re.findall('..', fingerprint)),
                  'the certificate served is the one whose fingerprint --register printed')
            try:
                urllib.request.urlopen('http://%s:%d/' % (address, station.web_port), timeout=5)
                check(False, 'plain HTTP gets no page')
            except (urllib.error.URLError, ConnectionError, TimeoutError, http.client.HTTPException):
                check(True, 'plain HTTP gets no page')
            driver.get(station.url)
            wait.until(lambda d: d.find_element(By.ID, 'password').is_displayed())
            driver.find_element(By.ID, 'password').send_keys(PASSWORD)
            driver.find_element(By.ID, 'login').click()
            wait.until(lambda d: d.find_element(By.ID, 'turn').is_displayed())
            check(driver.get_cookie('corvane_session')['secure'], 'the session cookie is Secure')
            driver.find_element(By.ID, 'target').send_keys('90')
            driver.find_element(By.ID, 'turn').click()
            wait.until(lambda d: (reading(d) or 0) >= 3)
            check(True, 'over HTTPS the reading follows the rotator (%s)' % reading(driver))
        finally:
            driver.quit()
            station.close()


if __name__ == '__main__':
    program = os.path.abspath(sys.argv[1])
    shots = sys.argv[2] if len(sys.argv) > 2 else None
    german_page(program, shots)
    english_phone_page(program, shots)
    https_page(program)
