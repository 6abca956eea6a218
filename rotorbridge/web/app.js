'use strict';
// The rotor page: logs in, follows the rotor over a WebSocket and sends the operator's commands
// with the session's token.
(() => {
  const $ = (id) => document.getElementById(id);
  let token = null;
  let socket = null;
  let lastAzimuth = null;
  const degrees = (value) =>
    value === undefined ? '–' : value.toLocaleString('de-DE', {minimumFractionDigits: 1, maximumFractionDigits: 1});

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
  }

  function show(state) {
    $('azimuth').textContent = degrees(state.azimuth);
    $('elevation').textContent = degrees(state.elevation);
    $('goal').textContent = degrees(state.goal);
    if (state.azimuth !== undefined) {
      $('needle').setAttribute('transform', `rotate(${state.azimuth} 100 100)`);
      if (lastAzimuth !== null) {
        const step = state.azimuth - lastAzimuth;
        $('motion').textContent = Math.abs(step) < 0.05 ? 'steht' : step > 0 ? 'im Uhrzeigersinn' : 'gegen den Uhrzeigersinn';
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

  async function send(path, body) {
    const response = await fetch(path, {
      method: 'POST',
      credentials: 'same-origin',
      headers: {'X-Corvane-Token': token, 'Content-Type': 'application/json'},
      body: JSON.stringify(body || {}),
    });
    if (response.status === 401) return showLogin('Bitte neu anmelden');
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
    showLogin('Abgemeldet');
  });

  fetch('/api/session', {credentials: 'same-origin'}).then(async (response) => {
    if (!response.ok) return showLogin();
    token = (await response.json()).token;
    showApp();
  });
})();
