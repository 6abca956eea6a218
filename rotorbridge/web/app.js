'use strict';
// The rotor page: logs in, follows the rotor over a WebSocket and sends the operator's commands
// with the session's token. Its texts come from the page, in the program's language.
(() => {
  const $ = (id) => document.getElementById(id);
  const texts = JSON.parse($('texts').textContent);
  const t = (german) => texts[german] || german;
  const language = document.documentElement.lang;
  let token = null;
  let socket = null;
  let lastAzimuth = null;
  const degrees = (value) =>
    value === undefined ? '–' : value.toLocaleString(language, {minimumFractionDigits: 1, maximumFractionDigits: 1});

  function showLogin(text) {
    token = null;
    if (socket) socket.close();
    $('appView').hidden = true;
    $('loginView').hidden = false;
    $('loginMessage').textContent = text || '';
    $('password').focus();
  }

  function showApp() {
    $('loginView').hidden = true;
    $('appView').hidden = false;
    follow();
    showBeamMap();
    showPresets();
  }

  function show(state) {
    $('azimuth').textContent = degrees(state.azimuth);
    $('elevation').textContent = degrees(state.elevation);
    $('goal').textContent = degrees(state.goal);
    for (const element of document.querySelectorAll('.elevated')) element.hidden = !state.elevated;
    $('foreignGoal').textContent = state.goalFrom ? t('Fremdziel von %1').replace('%1', state.goalFrom) : '';
    // Without a reading the antenna's direction is unknown: the needle and the beam line go.
    for (const id of ['needle', 'beamLine']) $(id).setAttribute('visibility', state.azimuth === undefined ? 'hidden' : 'visible');
    if (state.azimuth === undefined) {
      lastAzimuth = null;
      $('motion').textContent = '–';
    } else {
      $('needle').setAttribute('transform', `rotate(${state.azimuth} 100 100)`);
      $('beamLine').setAttribute('transform', `rotate(${state.azimuth} 100 100)`);
      if (lastAzimuth !== null) {
        const step = state.azimuth - lastAzimuth;
        $('motion').textContent = Math.abs(step) < 0.05 ? t('steht') : step > 0 ? t('im Uhrzeigersinn') : t('gegen den Uhrzeigersinn');
      }
      lastAzimuth = state.azimuth;
    }
    $('goalMark').setAttribute('visibility', state.goal === undefined ? 'hidden' : 'visible');
    if (state.goal !== undefined) $('goalMark').setAttribute('transform', `rotate(${state.goal} 100 100)`);
  }

  function follow() {
    const scheme = location.protocol === 'https:' ? 'wss:' : 'ws:';
    socket = new WebSocket(`${scheme}//${location.host}/live`);
    socket.onmessage = (message) => show(JSON.parse(message.data));
    socket.onclose = () => {
      socket = null;
      if (token) setTimeout(follow, 1000);
    };
  }

  function showBeamMap() {
    const picture = $('beamPicture');
    picture.onload = () => { $('beamMap').hidden = false; };
    picture.onerror = () => { $('beamMap').hidden = true; };
    picture.src = `/beam.png?${Date.now()}`;
  }

  async function showPresets() {
    const response = await fetch('/api/presets', {credentials: 'same-origin'});
    if (!response.ok) return;
    const presets = await response.json();
    const list = $('presets');
    list.replaceChildren(...presets.map((preset, index) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.id = `preset${index}`;
      button.textContent = `${preset.name} (${preset.azimuth})`;
      button.addEventListener('click', () => send('/api/preset', {index}));
      return button;
    }));
    $('presetsView').hidden = presets.length === 0;
  }

  async function send(path, body) {
    const response = await fetch(path, {
      method: 'POST',
      credentials: 'same-origin',
      headers: {'X-Corvane-Token': token, 'Content-Type': 'application/json'},
      body: JSON.stringify(body || {}),
    });
    if (response.status === 401) return showLogin(t('Bitte neu anmelden'));
    $('message').textContent = response.ok ? '' : (await response.json()).error;
  }

  $('loginForm').addEventListener('submit', async (event) => {
    event.preventDefault();
    const response = await fetch('/login', {
      method: 'POST',
      credentials: 'same-origin',
      body: new URLSearchParams({password: $('password').value}),
    });
    $('password').value = '';
    if (!response.ok) return showLogin((await response.json()).error);
    token = (await response.json()).token;
    showApp();
  });
  $('turnForm').addEventListener('submit', (event) => {
    event.preventDefault();
    send('/api/turn', {target: $('target').value});
  });
  $('longpath').addEventListener('click', () => send('/api/longpath', {target: $('target').value}));
  $('stop').addEventListener('click', () => send('/api/stop'));
  $('park').addEventListener('click', () => send('/api/park'));
  $('logout').addEventListener('click', async () => {
    await send('/logout');
    showLogin(t('Abgemeldet'));
  });

  fetch('/api/session', {credentials: 'same-origin'}).then(async (response) => {
    if (!response.ok) return showLogin();
    token = (await response.json()).token;
    showApp();
  });
})();
