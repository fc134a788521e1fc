@echo off
echo Created with Orvane Parvola
echo      https://www.orvane.example/parvola     
echo.
if not exist "x.001" echo The piece "x.001" is missing.
if not exist "x.001" goto missing
if not exist "x.002" echo The piece "x.002" is missing.
if not exist "x.002" goto missing
if not exist "x.003" echo The piece "x.003" is missing.
if not exist "x.003" goto missing
if not exist "x.004" echo The piece "x.004" is missing.
if not exist "x.004" goto missing
if not exist "x.005" echo The piece "x.005" is missing.
if not exist "x.005" goto missing
if not exist "x.006" echo The piece "x.006" is missing.
if not exist "x.006" goto missing
if not exist "x.007" echo The piece "x.007" is missing.
if not exist "x.007" goto missing
if not exist "x.008" echo The piece "x.008" is missing.
if not exist "x.008" goto missing
if not exist "x.009" echo The piece "x.009" is missing.
if not exist "x.009" goto missing
if not exist "x.010" echo The piece "x.010" is missing.
if not exist "x.010" goto missing
if not exist "x.011" echo The piece "x.011" is missing.
if not exist "x.011" goto missing
if not exist "x.012" echo The piece "x.012" is missing.
if not exist "x.012" goto missing
if not exist "x.013" echo The piece "x.013" is missing.
if not exist "x.013" goto missing
if not exist "x.014" echo The piece "x.014" is missing.
if not exist "x.014" goto missing
if not exist "x.015" echo The piece "x.015" is missing.
if not exist "x.015" goto missing
if not exist "x.016" echo The piece "x.016" is missing.
if not exist "x.016" goto missing
if not exist "x.017" echo The piece "x.017" is missing.
if not exist "x.017" goto missing
if not exist "x.018" echo The piece "x.018" is missing.
if not exist "x.018" goto missing
if not exist "x.019" echo The piece "x.019" is missing.
if not exist "x.019" goto missing
if not exist "x.020" echo The piece "x.020" is missing.
if not exist "x.020" goto missing
if not exist "x.021" echo The piece "x.021" is missing.
if not exist "x.021" goto missing
if not exist "x.022" echo The piece "x.022" is missing.
if not exist "x.022" goto missing
if not exist "x.023" echo The piece "x.023" is missing.
if not exist "x.023" goto missing
if not exist "x.024" echo The piece "x.024" is missing.
if not exist "x.024" goto missing
if not exist "x.025" echo The piece "x.025" is missing.
if not exist "x.025" goto missing
if not exist "x.026" echo The piece "x.026" is missing.
if not exist "x.026" goto missing
if not exist "x.027" echo The piece "x.027" is missing.
if not exist "x.027" goto missing
if not exist "x.028" echo The piece "x.028" is missing.
if not exist "x.028" goto missing
if not exist "x.029" echo The piece "x.029" is missing.
if not exist "x.029" goto missing
if not exist "x.030" echo The piece "x.030" is missing.
if not exist "x.030" goto missing
if not exist "x.031" echo The piece "x.031" is missing.
if not exist "x.031" goto missing
if not exist "x.032" echo The piece "x.032" is missing.
if not exist "x.032" goto missing
if not exist "x.033" echo The piece "x.033" is missing.
if not exist "x.033" goto missing
if not exist "x.034" echo The piece "x.034" is missing.
if not exist "x.034" goto missing
if not exist "x.035" echo The piece "x.035" is missing.
if not exist "x.035" goto missing
if not exist "x.036" echo The piece "x.036" is missing.
if not exist "x.036" goto missing
if not exist "x.037" echo The piece "x.037" is missing.
if not exist "x.037" goto missing
if not exist "x.038" echo The piece "x.038" is missing.
if not exist "x.038" goto missing
if not exist "x.039" echo The piece "x.039" is missing.
if not exist "x.039" goto missing
if not exist "x.040" echo The piece "x.040" is missing.
if not exist "x.040" goto missing
if not exist "x.041" echo The piece "x.041" is missing.
if not exist "x.041" goto missing
if not exist "x.042" echo The piece "x.042" is missing.
if not exist "x.042" goto missing
if not exist "x.043" echo The piece "x.043" is missing.
if not exist "x.043" goto missing
if not exist "x.044" echo The piece "x.044" is missing.
if not exist "x.044" goto missing
if not exist "x.045" echo The piece "x.045" is missing.
if not exist "x.045" goto missing
if not exist "x.046" echo The piece "x.046" is missing.
if not exist "x.046" goto missing
if not exist "x.047" echo The piece "x.047" is missing.
if not exist "x.047" goto missing
if not exist "x.048" echo The piece "x.048" is missing.
if not exist "x.048" goto missing
if not exist "x.049" echo The piece "x.049" is missing.
if not exist "x.049" goto missing
if not exist "x.050" echo The piece "x.050" is missing.
if not exist "x.050" goto missing
if not exist "x.051" echo The piece "x.051" is missing.
if not exist "x.051" goto missing
if not exist "x.052" echo The piece "x.052" is missing.
if not exist "x.052" goto missing
if not exist "x.053" echo The piece "x.053" is missing.
if not exist "x.053" goto missing
if not exist "x.054" echo The piece "x.054" is missing.
if not exist "x.054" goto missing
if not exist "x.055" echo The piece "x.055" is missing.
if not exist "x.055" goto missing
if not exist "x.056" echo The piece "x.056" is missing.
if not exist "x.056" goto missing
if not exist "x.057" echo The piece "x.057" is missing.
if not exist "x.057" goto missing
if not exist "x.058" echo The piece "x.058" is missing.
if not exist "x.058" goto missing
if not exist "x.059" echo The piece "x.059" is missing.
if not exist "x.059" goto missing
if not exist "x.060" echo The piece "x.060" is missing.
if not exist "x.060" goto missing
if not exist "x.061" echo The piece "x.061" is missing.
if not exist "x.061" goto missing
if not exist "x.062" echo The piece "x.062" is missing.
if not exist "x.062" goto missing
if not exist "x.063" echo The piece "x.063" is missing.
if not exist "x.063" goto missing
if not exist "x.064" echo The piece "x.064" is missing.
if not exist "x.064" goto missing
if not exist "x.065" echo The piece "x.065" is missing.
if not exist "x.065" goto missing
if not exist "x.066" echo The piece "x.066" is missing.
if not exist "x.066" goto missing
if not exist "x.067" echo The piece "x.067" is missing.
if not exist "x.067" goto missing
if not exist "x.068" echo The piece "x.068" is missing.
if not exist "x.068" goto missing
if not exist "x.069" echo The piece "x.069" is missing.
if not exist "x.069" goto missing
if not exist "x.070" echo The piece "x.070" is missing.
if not exist "x.070" goto missing
if not exist "x.071" echo The piece "x.071" is missing.
if not exist "x.071" goto missing
if not exist "x.072" echo The piece "x.072" is missing.
if not exist "x.072" goto missing
if not exist "x.073" echo The piece "x.073" is missing.
if not exist "x.073" goto missing
if not exist "x.074" echo The piece "x.074" is missing.
if not exist "x.074" goto missing
if not exist "x.075" echo The piece "x.075" is missing.
if not exist "x.075" goto missing
if not exist "x.076" echo The piece "x.076" is missing.
if not exist "x.076" goto missing
if not exist "x.077" echo The piece "x.077" is missing.
if not exist "x.077" goto missing
if not exist "x.078" echo The piece "x.078" is missing.
if not exist "x.078" goto missing
if not exist "x.079" echo The piece "x.079" is missing.
if not exist "x.079" goto missing
if not exist "x.080" echo The piece "x.080" is missing.
if not exist "x.080" goto missing
if not exist "x.081" echo The piece "x.081" is missing.
if not exist "x.081" goto missing
if not exist "x.082" echo The piece "x.082" is missing.
if not exist "x.082" goto missing
if not exist "x.083" echo The piece "x.083" is missing.
if not exist "x.083" goto missing
if not exist "x.084" echo The piece "x.084" is missing.
if not exist "x.084" goto missing
if not exist "x.085" echo The piece "x.085" is missing.
if not exist "x.085" goto missing
if not exist "x.086" echo The piece "x.086" is missing.
if not exist "x.086" goto missing
if not exist "x.087" echo The piece "x.087" is missing.
if not exist "x.087" goto missing
if not exist "x.088" echo The piece "x.088" is missing.
if not exist "x.088" goto missing
if not exist "x.089" echo The piece "x.089" is missing.
if not exist "x.089" goto missing
if not exist "x.090" echo The piece "x.090" is missing.
if not exist "x.090" goto missing
if not exist "x.091" echo The piece "x.091" is missing.
if not exist "x.091" goto missing
if not exist "x.092" echo The piece "x.092" is missing.
if not exist "x.092" goto missing
if not exist "x.093" echo The piece "x.093" is missing.
if not exist "x.093" goto missing
if not exist "x.094" echo The piece "x.094" is missing.
if not exist "x.094" goto missing
if not exist "x.095" echo The piece "x.095" is missing.
if not exist "x.095" goto missing
if not exist "x.096" echo The piece "x.096" is missing.
if not exist "x.096" goto missing
if not exist "x.097" echo The piece "x.097" is missing.
if not exist "x.097" goto missing
if not exist "x.098" echo The piece "x.098" is missing.
if not exist "x.098" goto missing
if not exist "x.099" echo The piece "x.099" is missing.
if not exist "x.099" goto missing
if not exist "x.100" echo The piece "x.100" is missing.
if not exist "x.100" goto missing
if not exist "x.101" echo The piece "x.101" is missing.
if not exist "x.101" goto missing
if not exist "x.102" echo The piece "x.102" is missing.
if not exist "x.102" goto missing
if not exist "x.103" echo The piece "x.103" is missing.
if not exist "x.103" goto missing
if not exist "x.104" echo The piece "x.104" is missing.
if not exist "x.104" goto missing
if not exist "x.105" echo The piece "x.105" is missing.
if not exist "x.105" goto missing
if not exist "x.106" echo The piece "x.106" is missing.
if not exist "x.106" goto missing
if not exist "x.107" echo The piece "x.107" is missing.
if not exist "x.107" goto missing
if not exist "x.108" echo The piece "x.108" is missing.
if not exist "x.108" goto missing
if not exist "x.109" echo The piece "x.109" is missing.
if not exist "x.109" goto missing
if not exist "x.110" echo The piece "x.110" is missing.
if not exist "x.110" goto missing
if not exist "x.111" echo The piece "x.111" is missing.
if not exist "x.111" goto missing
if not exist "x.112" echo The piece "x.112" is missing.
if not exist "x.112" goto missing
if not exist "x.113" echo The piece "x.113" is missing.
if not exist "x.113" goto missing
if not exist "x.114" echo The piece "x.114" is missing.
if not exist "x.114" goto missing
if not exist "x.115" echo The piece "x.115" is missing.
if not exist "x.115" goto missing
if not exist "x.116" echo The piece "x.116" is missing.
if not exist "x.116" goto missing
if not exist "x.117" echo The piece "x.117" is missing.
if not exist "x.117" goto missing
if not exist "x.118" echo The piece "x.118" is missing.
if not exist "x.118" goto missing
if not exist "x.119" echo The piece "x.119" is missing.
if not exist "x.119" goto missing
if not exist "x.120" echo The piece "x.120" is missing.
if not exist "x.120" goto missing
if not exist "x.121" echo The piece "x.121" is missing.
if not exist "x.121" goto missing
if not exist "x.122" echo The piece "x.122" is missing.
if not exist "x.122" goto missing
if not exist "x.123" echo The piece "x.123" is missing.
if not exist "x.123" goto missing
if not exist "x.124" echo The piece "x.124" is missing.
if not exist "x.124" goto missing
if not exist "x.125" echo The piece "x.125" is missing.
if not exist "x.125" goto missing
if not exist "x.126" echo The piece "x.126" is missing.
if not exist "x.126" goto missing
if not exist "x.127" echo The piece "x.127" is missing.
if not exist "x.127" goto missing
if not exist "x.128" echo The piece "x.128" is missing.
if not exist "x.128" goto missing
if not exist "x.129" echo The piece "x.129" is missing.
if not exist "x.129" goto missing
if not exist "x.130" echo The piece "x.130" is missing.
if not exist "x.130" goto missing
if not exist "x.131" echo The piece "x.131" is missing.
if not exist "x.131" goto missing
if not exist "x.132" echo The piece "x.132" is missing.
if not exist "x.132" goto missing
if not exist "x.133" echo The piece "x.133" is missing.
if not exist "x.133" goto missing
if not exist "x.134" echo The piece "x.134" is missing.
if not exist "x.134" goto missing
if not exist "x.135" echo The piece "x.135" is missing.
if not exist "x.135" goto missing
if not exist "x.136" echo The piece "x.136" is missing.
if not exist "x.136" goto missing
if not exist "x.137" echo The piece "x.137" is missing.
if not exist "x.137" goto missing
if not exist "x.138" echo The piece "x.138" is missing.
if not exist "x.138" goto missing
if not exist "x.139" echo The piece "x.139" is missing.
if not exist "x.139" goto missing
if not exist "x.140" echo The piece "x.140" is missing.
if not exist "x.140" goto missing
if not exist "x.141" echo The piece "x.141" is missing.
if not exist "x.141" goto missing
if not exist "x.142" echo The piece "x.142" is missing.
if not exist "x.142" goto missing
if not exist "x.143" echo The piece "x.143" is missing.
if not exist "x.143" goto missing
if not exist "x.144" echo The piece "x.144" is missing.
if not exist "x.144" goto missing
if not exist "x.145" echo The piece "x.145" is missing.
if not exist "x.145" goto missing
if not exist "x.146" echo The piece "x.146" is missing.
if not exist "x.146" goto missing
if not exist "x.147" echo The piece "x.147" is missing.
if not exist "x.147" goto missing
if not exist "x.148" echo The piece "x.148" is missing.
if not exist "x.148" goto missing
if not exist "x.149" echo The piece "x.149" is missing.
if not exist "x.149" goto missing
if not exist "x.150" echo The piece "x.150" is missing.
if not exist "x.150" goto missing
if not exist "x.151" echo The piece "x.151" is missing.
if not exist "x.151" goto missing
if not exist "x.152" echo The piece "x.152" is missing.
if not exist "x.152" goto missing
if not exist "x.153" echo The piece "x.153" is missing.
if not exist "x.153" goto missing
if not exist "x.154" echo The piece "x.154" is missing.
if not exist "x.154" goto missing
if not exist "x.155" echo The piece "x.155" is missing.
if not exist "x.155" goto missing
if not exist "x.156" echo The piece "x.156" is missing.
if not exist "x.156" goto missing
if not exist "x.157" echo The piece "x.157" is missing.
if not exist "x.157" goto missing
if not exist "x.158" echo The piece "x.158" is missing.
if not exist "x.158" goto missing
if not exist "x.159" echo The piece "x.159" is missing.
if not exist "x.159" goto missing
if not exist "x.160" echo The piece "x.160" is missing.
if not exist "x.160" goto missing
if not exist "x.161" echo The piece "x.161" is missing.
if not exist "x.161" goto missing
if not exist "x.162" echo The piece "x.162" is missing.
if not exist "x.162" goto missing
if not exist "x.163" echo The piece "x.163" is missing.
if not exist "x.163" goto missing
if not exist "x.164" echo The piece "x.164" is missing.
if not exist "x.164" goto missing
if not exist "x.165" echo The piece "x.165" is missing.
if not exist "x.165" goto missing
if not exist "x.166" echo The piece "x.166" is missing.
if not exist "x.166" goto missing
if not exist "x.167" echo The piece "x.167" is missing.
if not exist "x.167" goto missing
if not exist "x.168" echo The piece "x.168" is missing.
if not exist "x.168" goto missing
if not exist "x.169" echo The piece "x.169" is missing.
if not exist "x.169" goto missing
if not exist "x.170" echo The piece "x.170" is missing.
if not exist "x.170" goto missing
if not exist "x.171" echo The piece "x.171" is missing.
if not exist "x.171" goto missing
if not exist "x.172" echo The piece "x.172" is missing.
if not exist "x.172" goto missing
if not exist "x.173" echo The piece "x.173" is missing.
if not exist "x.173" goto missing
if not exist "x.174" echo The piece "x.174" is missing.
if not exist "x.174" goto missing
if not exist "x.175" echo The piece "x.175" is missing.
if not exist "x.175" goto missing
if not exist "x.176" echo The piece "x.176" is missing.
if not exist "x.176" goto missing
if not exist "x.177" echo The piece "x.177" is missing.
if not exist "x.177" goto missing
if not exist "x.178" echo The piece "x.178" is missing.
if not exist "x.178" goto missing
if not exist "x.179" echo The piece "x.179" is missing.
if not exist "x.179" goto missing
if not exist "x.180" echo The piece "x.180" is missing.
if not exist "x.180" goto missing
if not exist "x.181" echo The piece "x.181" is missing.
if not exist "x.181" goto missing
if not exist "x.182" echo The piece "x.182" is missing.
if not exist "x.182" goto missing
if not exist "x.183" echo The piece "x.183" is missing.
if not exist "x.183" goto missing
if not exist "x.184" echo The piece "x.184" is missing.
if not exist "x.184" goto missing
if not exist "x.185" echo The piece "x.185" is missing.
if not exist "x.185" goto missing
if not exist "x.186" echo The piece "x.186" is missing.
if not exist "x.186" goto missing
if not exist "x.187" echo The piece "x.187" is missing.
if not exist "x.187" goto missing
if not exist "x.188" echo The piece "x.188" is missing.
if not exist "x.188" goto missing
if not exist "x.189" echo The piece "x.189" is missing.
if not exist "x.189" goto missing
if not exist "x.190" echo The piece "x.190" is missing.
if not exist "x.190" goto missing
if not exist "x.191" echo The piece "x.191" is missing.
if not exist "x.191" goto missing
if not exist "x.192" echo The piece "x.192" is missing.
if not exist "x.192" goto missing
if not exist "x.193" echo The piece "x.193" is missing.
if not exist "x.193" goto missing
if not exist "x.194" echo The piece "x.194" is missing.
if not exist "x.194" goto missing
if not exist "x.195" echo The piece "x.195" is missing.
if not exist "x.195" goto missing
if not exist "x.196" echo The piece "x.196" is missing.
if not exist "x.196" goto missing
if not exist "x.197" echo The piece "x.197" is missing.
if not exist "x.197" goto missing
if not exist "x.198" echo The piece "x.198" is missing.
if not exist "x.198" goto missing
if not exist "x.199" echo The piece "x.199" is missing.
if not exist "x.199" goto missing
if not exist "x.200" echo The piece "x.200" is missing.
if not exist "x.200" goto missing
if not exist "x.201" echo The piece "x.201" is missing.
if not exist "x.201" goto missing
if not exist "x.202" echo The piece "x.202" is missing.
if not exist "x.202" goto missing
if not exist "x.203" echo The piece "x.203" is missing.
if not exist "x.203" goto missing
if not exist "x.204" echo The piece "x.204" is missing.
if not exist "x.204" goto missing
if not exist "x.205" echo The piece "x.205" is missing.
if not exist "x.205" goto missing
if not exist "x.206" echo The piece "x.206" is missing.
if not exist "x.206" goto missing
if not exist "x.207" echo The piece "x.207" is missing.
if not exist "x.207" goto missing
if not exist "x.208" echo The piece "x.208" is missing.
if not exist "x.208" goto missing
if not exist "x.209" echo The piece "x.209" is missing.
if not exist "x.209" goto missing
if not exist "x.210" echo The piece "x.210" is missing.
if not exist "x.210" goto missing
if not exist "x.211" echo The piece "x.211" is missing.
if not exist "x.211" goto missing
if not exist "x.212" echo The piece "x.212" is missing.
if not exist "x.212" goto missing
if not exist "x.213" echo The piece "x.213" is missing.
if not exist "x.213" goto missing
if not exist "x.214" echo The piece "x.214" is missing.
if not exist "x.214" goto missing
if not exist "x.215" echo The piece "x.215" is missing.
if not exist "x.215" goto missing
if not exist "x.216" echo The piece "x.216" is missing.
if not exist "x.216" goto missing
if not exist "x.217" echo The piece "x.217" is missing.
if not exist "x.217" goto missing
if not exist "x.218" echo The piece "x.218" is missing.
if not exist "x.218" goto missing
if not exist "x.219" echo The piece "x.219" is missing.
if not exist "x.219" goto missing
if not exist "x.220" echo The piece "x.220" is missing.
if not exist "x.220" goto missing
if not exist "x.221" echo The piece "x.221" is missing.
if not exist "x.221" goto missing
if not exist "x.222" echo The piece "x.222" is missing.
if not exist "x.222" goto missing
if not exist "x.223" echo The piece "x.223" is missing.
if not exist "x.223" goto missing
if not exist "x.224" echo The piece "x.224" is missing.
if not exist "x.224" goto missing
if not exist "x.225" echo The piece "x.225" is missing.
if not exist "x.225" goto missing
if not exist "x.226" echo The piece "x.226" is missing.
if not exist "x.226" goto missing
if not exist "x.227" echo The piece "x.227" is missing.
if not exist "x.227" goto missing
if not exist "x.228" echo The piece "x.228" is missing.
if not exist "x.228" goto missing
if not exist "x.229" echo The piece "x.229" is missing.
if not exist "x.229" goto missing
if not exist "x.230" echo The piece "x.230" is missing.
if not exist "x.230" goto missing
if not exist "x.231" echo The piece "x.231" is missing.
if not exist "x.231" goto missing
if not exist "x.232" echo The piece "x.232" is missing.
if not exist "x.232" goto missing
if not exist "x.233" echo The piece "x.233" is missing.
if not exist "x.233" goto missing
if not exist "x.234" echo The piece "x.234" is missing.
if not exist "x.234" goto missing
if not exist "x.235" echo The piece "x.235" is missing.
if not exist "x.235" goto missing
if not exist "x.236" echo The piece "x.236" is missing.
if not exist "x.236" goto missing
if not exist "x.237" echo The piece "x.237" is missing.
if not exist "x.237" goto missing
if not exist "x.238" echo The piece "x.238" is missing.
if not exist "x.238" goto missing
if not exist "x.239" echo The piece "x.239" is missing.
if not exist "x.239" goto missing
if not exist "x.240" echo The piece "x.240" is missing.
if not exist "x.240" goto missing
if not exist "x.241" echo The piece "x.241" is missing.
if not exist "x.241" goto missing
if not exist "x.242" echo The piece "x.242" is missing.
if not exist "x.242" goto missing
if not exist "x.243" echo The piece "x.243" is missing.
if not exist "x.243" goto missing
if not exist "x.244" echo The piece "x.244" is missing.
if not exist "x.244" goto missing
if not exist "x.245" echo The piece "x.245" is missing.
if not exist "x.245" goto missing
if not exist "x.246" echo The piece "x.246" is missing.
if not exist "x.246" goto missing
if not exist "x.247" echo The piece "x.247" is missing.
if not exist "x.247" goto missing
if not exist "x.248" echo The piece "x.248" is missing.
if not exist "x.248" goto missing
if not exist "x.249" echo The piece "x.249" is missing.
if not exist "x.249" goto missing
if not exist "x.250" echo The piece "x.250" is missing.
if not exist "x.250" goto missing
if not exist "x.251" echo The piece "x.251" is missing.
if not exist "x.251" goto missing
if not exist "x.252" echo The piece "x.252" is missing.
if not exist "x.252" goto missing
if not exist "x.253" echo The piece "x.253" is missing.
if not exist "x.253" goto missing
if not exist "x.254" echo The piece "x.254" is missing.
if not exist "x.254" goto missing
if not exist "x.255" echo The piece "x.255" is missing.
if not exist "x.255" goto missing
if not exist "x.256" echo The piece "x.256" is missing.
if not exist "x.256" goto missing
if not exist "x.257" echo The piece "x.257" is missing.
if not exist "x.257" goto missing
if not exist "x.258" echo The piece "x.258" is missing.
if not exist "x.258" goto missing
if not exist "x.259" echo The piece "x.259" is missing.
if not exist "x.259" goto missing
if not exist "x.260" echo The piece "x.260" is missing.
if not exist "x.260" goto missing
if not exist "x.261" echo The piece "x.261" is missing.
if not exist "x.261" goto missing
if not exist "x.262" echo The piece "x.262" is missing.
if not exist "x.262" goto missing
if not exist "x.263" echo The piece "x.263" is missing.
if not exist "x.263" goto missing
if not exist "x.264" echo The piece "x.264" is missing.
if not exist "x.264" goto missing
if not exist "x.265" echo The piece "x.265" is missing.
if not exist "x.265" goto missing
if not exist "x.266" echo The piece "x.266" is missing.
if not exist "x.266" goto missing
if not exist "x.267" echo The piece "x.267" is missing.
if not exist "x.267" goto missing
if not exist "x.268" echo The piece "x.268" is missing.
if not exist "x.268" goto missing
if not exist "x.269" echo The piece "x.269" is missing.
if not exist "x.269" goto missing
if not exist "x.270" echo The piece "x.270" is missing.
if not exist "x.270" goto missing
if not exist "x.271" echo The piece "x.271" is missing.
if not exist "x.271" goto missing
if not exist "x.272" echo The piece "x.272" is missing.
if not exist "x.272" goto missing
if not exist "x.273" echo The piece "x.273" is missing.
if not exist "x.273" goto missing
if not exist "x.274" echo The piece "x.274" is missing.
if not exist "x.274" goto missing
if not exist "x.275" echo The piece "x.275" is missing.
if not exist "x.275" goto missing
if not exist "x.276" echo The piece "x.276" is missing.
if not exist "x.276" goto missing
if not exist "x.277" echo The piece "x.277" is missing.
if not exist "x.277" goto missing
if not exist "x.278" echo The piece "x.278" is missing.
if not exist "x.278" goto missing
if not exist "x.279" echo The piece "x.279" is missing.
if not exist "x.279" goto missing
if not exist "x.280" echo The piece "x.280" is missing.
if not exist "x.280" goto missing
if not exist "x.281" echo The piece "x.281" is missing.
if not exist "x.281" goto missing
if not exist "x.282" echo The piece "x.282" is missing.
if not exist "x.282" goto missing
if not exist "x.283" echo The piece "x.283" is missing.
if not exist "x.283" goto missing
if not exist "x.284" echo The piece "x.284" is missing.
if not exist "x.284" goto missing
if not exist "x.285" echo The piece "x.285" is missing.
if not exist "x.285" goto missing
if not exist "x.286" echo The piece "x.286" is missing.
if not exist "x.286" goto missing
if not exist "x.287" echo The piece "x.287" is missing.
if not exist "x.287" goto missing
if not exist "x.288" echo The piece "x.288" is missing.
if not exist "x.288" goto missing
if not exist "x.289" echo The piece "x.289" is missing.
if not exist "x.289" goto missing
if not exist "x.290" echo The piece "x.290" is missing.
if not exist "x.290" goto missing
if not exist "x.291" echo The piece "x.291" is missing.
if not exist "x.291" goto missing
if not exist "x.292" echo The piece "x.292" is missing.
if not exist "x.292" goto missing
if not exist "x.293" echo The piece "x.293" is missing.
if not exist "x.293" goto missing
if not exist "x.294" echo The piece "x.294" is missing.
if not exist "x.294" goto missing
if not exist "x.295" echo The piece "x.295" is missing.
if not exist "x.295" goto missing
if not exist "x.296" echo The piece "x.296" is missing.
if not exist "x.296" goto missing
if not exist "x.297" echo The piece "x.297" is missing.
if not exist "x.297" goto missing
if not exist "x.298" echo The piece "x.298" is missing.
if not exist "x.298" goto missing
if not exist "x.299" echo The piece "x.299" is missing.
if not exist "x.299" goto missing
if not exist "x.300" echo The piece "x.300" is missing.
if not exist "x.300" goto missing
if not exist "x.301" echo The piece "x.301" is missing.
if not exist "x.301" goto missing
if not exist "x.302" echo The piece "x.302" is missing.
if not exist "x.302" goto missing
if not exist "x.303" echo The piece "x.303" is missing.
if not exist "x.303" goto missing
if not exist "x.304" echo The piece "x.304" is missing.
if not exist "x.304" goto missing
if not exist "x.305" echo The piece "x.305" is missing.
if not exist "x.305" goto missing
if not exist "x.306" echo The piece "x.306" is missing.
if not exist "x.306" goto missing
if not exist "x.307" echo The piece "x.307" is missing.
if not exist "x.307" goto missing
if not exist "x.308" echo The piece "x.308" is missing.
if not exist "x.308" goto missing
if not exist "x.309" echo The piece "x.309" is missing.
if not exist "x.309" goto missing
if not exist "x.310" echo The piece "x.310" is missing.
if not exist "x.310" goto missing
if not exist "x.311" echo The piece "x.311" is missing.
if not exist "x.311" goto missing
if not exist "x.312" echo The piece "x.312" is missing.
if not exist "x.312" goto missing
if not exist "x.313" echo The piece "x.313" is missing.
if not exist "x.313" goto missing
if not exist "x.314" echo The piece "x.314" is missing.
if not exist "x.314" goto missing
if not exist "x.315" echo The piece "x.315" is missing.
if not exist "x.315" goto missing
if not exist "x.316" echo The piece "x.316" is missing.
if not exist "x.316" goto missing
if not exist "x.317" echo The piece "x.317" is missing.
if not exist "x.317" goto missing
if not exist "x.318" echo The piece "x.318" is missing.
if not exist "x.318" goto missing
if not exist "x.319" echo The piece "x.319" is missing.
if not exist "x.319" goto missing
if not exist "x.320" echo The piece "x.320" is missing.
if not exist "x.320" goto missing
if not exist "x.321" echo The piece "x.321" is missing.
if not exist "x.321" goto missing
if not exist "x.322" echo The piece "x.322" is missing.
if not exist "x.322" goto missing
if not exist "x.323" echo The piece "x.323" is missing.
if not exist "x.323" goto missing
if not exist "x.324" echo The piece "x.324" is missing.
if not exist "x.324" goto missing
if not exist "x.325" echo The piece "x.325" is missing.
if not exist "x.325" goto missing
if not exist "x.326" echo The piece "x.326" is missing.
if not exist "x.326" goto missing
if not exist "x.327" echo The piece "x.327" is missing.
if not exist "x.327" goto missing
if not exist "x.328" echo The piece "x.328" is missing.
if not exist "x.328" goto missing
if not exist "x.329" echo The piece "x.329" is missing.
if not exist "x.329" goto missing
if not exist "x.330" echo The piece "x.330" is missing.
if not exist "x.330" goto missing
if not exist "x.331" echo The piece "x.331" is missing.
if not exist "x.331" goto missing
if not exist "x.332" echo The piece "x.332" is missing.
if not exist "x.332" goto missing
if not exist "x.333" echo The piece "x.333" is missing.
if not exist "x.333" goto missing
if not exist "x.334" echo The piece "x.334" is missing.
if not exist "x.334" goto missing
if not exist "x.335" echo The piece "x.335" is missing.
if not exist "x.335" goto missing
if not exist "x.336" echo The piece "x.336" is missing.
if not exist "x.336" goto missing
if not exist "x.337" echo The piece "x.337" is missing.
if not exist "x.337" goto missing
if not exist "x.338" echo The piece "x.338" is missing.
if not exist "x.338" goto missing
if not exist "x.339" echo The piece "x.339" is missing.
if not exist "x.339" goto missing
if not exist "x.340" echo The piece "x.340" is missing.
if not exist "x.340" goto missing
if not exist "x.341" echo The piece "x.341" is missing.
if not exist "x.341" goto missing
if not exist "x.342" echo The piece "x.342" is missing.
if not exist "x.342" goto missing
if not exist "x.343" echo The piece "x.343" is missing.
if not exist "x.343" goto missing
if not exist "x.344" echo The piece "x.344" is missing.
if not exist "x.344" goto missing
if not exist "x.345" echo The piece "x.345" is missing.
if not exist "x.345" goto missing
if not exist "x.346" echo The piece "x.346" is missing.
if not exist "x.346" goto missing
if not exist "x.347" echo The piece "x.347" is missing.
if not exist "x.347" goto missing
if not exist "x.348" echo The piece "x.348" is missing.
if not exist "x.348" goto missing
if not exist "x.349" echo The piece "x.349" is missing.
if not exist "x.349" goto missing
if not exist "x.350" echo The piece "x.350" is missing.
if not exist "x.350" goto missing
if not exist "x.351" echo The piece "x.351" is missing.
if not exist "x.351" goto missing
if not exist "x.352" echo The piece "x.352" is missing.
if not exist "x.352" goto missing
if not exist "x.353" echo The piece "x.353" is missing.
if not exist "x.353" goto missing
if not exist "x.354" echo The piece "x.354" is missing.
if not exist "x.354" goto missing
if not exist "x.355" echo The piece "x.355" is missing.
if not exist "x.355" goto missing
if not exist "x.356" echo The piece "x.356" is missing.
if not exist "x.356" goto missing
if not exist "x.357" echo The piece "x.357" is missing.
if not exist "x.357" goto missing
if not exist "x.358" echo The piece "x.358" is missing.
if not exist "x.358" goto missing
if not exist "x.359" echo The piece "x.359" is missing.
if not exist "x.359" goto missing
if not exist "x.360" echo The piece "x.360" is missing.
if not exist "x.360" goto missing
if not exist "x.361" echo The piece "x.361" is missing.
if not exist "x.361" goto missing
if not exist "x.362" echo The piece "x.362" is missing.
if not exist "x.362" goto missing
if not exist "x.363" echo The piece "x.363" is missing.
if not exist "x.363" goto missing
if not exist "x.364" echo The piece "x.364" is missing.
if not exist "x.364" goto missing
if not exist "x.365" echo The piece "x.365" is missing.
if not exist "x.365" goto missing
if not exist "x.366" echo The piece "x.366" is missing.
if not exist "x.366" goto missing
if not exist "x.367" echo The piece "x.367" is missing.
if not exist "x.367" goto missing
if not exist "x.368" echo The piece "x.368" is missing.
if not exist "x.368" goto missing
if not exist "x.369" echo The piece "x.369" is missing.
if not exist "x.369" goto missing
if not exist "x.370" echo The piece "x.370" is missing.
if not exist "x.370" goto missing
if not exist "x.371" echo The piece "x.371" is missing.
if not exist "x.371" goto missing
if not exist "x.372" echo The piece "x.372" is missing.
if not exist "x.372" goto missing
if not exist "x.373" echo The piece "x.373" is missing.
if not exist "x.373" goto missing
if not exist "x.374" echo The piece "x.374" is missing.
if not exist "x.374" goto missing
if not exist "x.375" echo The piece "x.375" is missing.
if not exist "x.375" goto missing
if not exist "x.376" echo The piece "x.376" is missing.
if not exist "x.376" goto missing
if not exist "x.377" echo The piece "x.377" is missing.
if not exist "x.377" goto missing
if not exist "x.378" echo The piece "x.378" is missing.
if not exist "x.378" goto missing
if not exist "x.379" echo The piece "x.379" is missing.
if not exist "x.379" goto missing
if not exist "x.380" echo The piece "x.380" is missing.
if not exist "x.380" goto missing
if not exist "x.381" echo The piece "x.381" is missing.
if not exist "x.381" goto missing
if not exist "x.382" echo The piece "x.382" is missing.
if not exist "x.382" goto missing
if not exist "x.383" echo The piece "x.383" is missing.
if not exist "x.383" goto missing
if not exist "x.384" echo The piece "x.384" is missing.
if not exist "x.384" goto missing
if not exist "x.385" echo The piece "x.385" is missing.
if not exist "x.385" goto missing
if not exist "x.386" echo The piece "x.386" is missing.
if not exist "x.386" goto missing
if not exist "x.387" echo The piece "x.387" is missing.
if not exist "x.387" goto missing
if not exist "x.388" echo The piece "x.388" is missing.
if not exist "x.388" goto missing
if not exist "x.389" echo The piece "x.389" is missing.
if not exist "x.389" goto missing
if not exist "x.390" echo The piece "x.390" is missing.
if not exist "x.390" goto missing
if not exist "x.391" echo The piece "x.391" is missing.
if not exist "x.391" goto missing
if not exist "x.392" echo The piece "x.392" is missing.
if not exist "x.392" goto missing
if not exist "x.393" echo The piece "x.393" is missing.
if not exist "x.393" goto missing
if not exist "x.394" echo The piece "x.394" is missing.
if not exist "x.394" goto missing
if not exist "x.395" echo The piece "x.395" is missing.
if not exist "x.395" goto missing
if not exist "x.396" echo The piece "x.396" is missing.
if not exist "x.396" goto missing
if not exist "x.397" echo The piece "x.397" is missing.
if not exist "x.397" goto missing
if not exist "x.398" echo The piece "x.398" is missing.
if not exist "x.398" goto missing
if not exist "x.399" echo The piece "x.399" is missing.
if not exist "x.399" goto missing
if not exist "x.400" echo The piece "x.400" is missing.
if not exist "x.400" goto missing
if not exist "x.401" echo The piece "x.401" is missing.
if not exist "x.401" goto missing
if not exist "x.402" echo The piece "x.402" is missing.
if not exist "x.402" goto missing
if not exist "x.403" echo The piece "x.403" is missing.
if not exist "x.403" goto missing
if not exist "x.404" echo The piece "x.404" is missing.
if not exist "x.404" goto missing
if not exist "x.405" echo The piece "x.405" is missing.
if not exist "x.405" goto missing
if not exist "x.406" echo The piece "x.406" is missing.
if not exist "x.406" goto missing
if not exist "x.407" echo The piece "x.407" is missing.
if not exist "x.407" goto missing
if not exist "x.408" echo The piece "x.408" is missing.
if not exist "x.408" goto missing
if not exist "x.409" echo The piece "x.409" is missing.
if not exist "x.409" goto missing
if not exist "x.410" echo The piece "x.410" is missing.
if not exist "x.410" goto missing
if not exist "x.411" echo The piece "x.411" is missing.
if not exist "x.411" goto missing
if not exist "x.412" echo The piece "x.412" is missing.
if not exist "x.412" goto missing
if not exist "x.413" echo The piece "x.413" is missing.
if not exist "x.413" goto missing
if not exist "x.414" echo The piece "x.414" is missing.
if not exist "x.414" goto missing
if not exist "x.415" echo The piece "x.415" is missing.
if not exist "x.415" goto missing
if not exist "x.416" echo The piece "x.416" is missing.
if not exist "x.416" goto missing
if not exist "x.417" echo The piece "x.417" is missing.
if not exist "x.417" goto missing
if not exist "x.418" echo The piece "x.418" is missing.
if not exist "x.418" goto missing
if not exist "x.419" echo The piece "x.419" is missing.
if not exist "x.419" goto missing
if not exist "x.420" echo The piece "x.420" is missing.
if not exist "x.420" goto missing
if not exist "x.421" echo The piece "x.421" is missing.
if not exist "x.421" goto missing
if not exist "x.422" echo The piece "x.422" is missing.
if not exist "x.422" goto missing
if not exist "x.423" echo The piece "x.423" is missing.
if not exist "x.423" goto missing
if not exist "x.424" echo The piece "x.424" is missing.
if not exist "x.424" goto missing
if not exist "x.425" echo The piece "x.425" is missing.
if not exist "x.425" goto missing
if not exist "x.426" echo The piece "x.426" is missing.
if not exist "x.426" goto missing
if not exist "x.427" echo The piece "x.427" is missing.
if not exist "x.427" goto missing
if not exist "x.428" echo The piece "x.428" is missing.
if not exist "x.428" goto missing
if not exist "x.429" echo The piece "x.429" is missing.
if not exist "x.429" goto missing
if not exist "x.430" echo The piece "x.430" is missing.
if not exist "x.430" goto missing
if not exist "x.431" echo The piece "x.431" is missing.
if not exist "x.431" goto missing
if not exist "x.432" echo The piece "x.432" is missing.
if not exist "x.432" goto missing
if not exist "x.433" echo The piece "x.433" is missing.
if not exist "x.433" goto missing
if not exist "x.434" echo The piece "x.434" is missing.
if not exist "x.434" goto missing
if not exist "x.435" echo The piece "x.435" is missing.
if not exist "x.435" goto missing
if not exist "x.436" echo The piece "x.436" is missing.
if not exist "x.436" goto missing
if not exist "x.437" echo The piece "x.437" is missing.
if not exist "x.437" goto missing
if not exist "x.438" echo The piece "x.438" is missing.
if not exist "x.438" goto missing
if not exist "x.439" echo The piece "x.439" is missing.
if not exist "x.439" goto missing
if not exist "x.440" echo The piece "x.440" is missing.
if not exist "x.440" goto missing
if not exist "x.441" echo The piece "x.441" is missing.
if not exist "x.441" goto missing
if not exist "x.442" echo The piece "x.442" is missing.
if not exist "x.442" goto missing
if not exist "x.443" echo The piece "x.443" is missing.
if not exist "x.443" goto missing
if not exist "x.444" echo The piece "x.444" is missing.
if not exist "x.444" goto missing
if not exist "x.445" echo The piece "x.445" is missing.
if not exist "x.445" goto missing
if not exist "x.446" echo The piece "x.446" is missing.
if not exist "x.446" goto missing
if not exist "x.447" echo The piece "x.447" is missing.
if not exist "x.447" goto missing
if not exist "x.448" echo The piece "x.448" is missing.
if not exist "x.448" goto missing
if not exist "x.449" echo The piece "x.449" is missing.
if not exist "x.449" goto missing
if not exist "x.450" echo The piece "x.450" is missing.
if not exist "x.450" goto missing
if not exist "x.451" echo The piece "x.451" is missing.
if not exist "x.451" goto missing
if not exist "x.452" echo The piece "x.452" is missing.
if not exist "x.452" goto missing
if not exist "x.453" echo The piece "x.453" is missing.
if not exist "x.453" goto missing
if not exist "x.454" echo The piece "x.454" is missing.
if not exist "x.454" goto missing
if not exist "x.455" echo The piece "x.455" is missing.
if not exist "x.455" goto missing
if not exist "x.456" echo The piece "x.456" is missing.
if not exist "x.456" goto missing
if not exist "x.457" echo The piece "x.457" is missing.
if not exist "x.457" goto missing
if not exist "x.458" echo The piece "x.458" is missing.
if not exist "x.458" goto missing
if not exist "x.459" echo The piece "x.459" is missing.
if not exist "x.459" goto missing
if not exist "x.460" echo The piece "x.460" is missing.
if not exist "x.460" goto missing
if not exist "x.461" echo The piece "x.461" is missing.
if not exist "x.461" goto missing
if not exist "x.462" echo The piece "x.462" is missing.
if not exist "x.462" goto missing
if not exist "x.463" echo The piece "x.463" is missing.
if not exist "x.463" goto missing
if not exist "x.464" echo The piece "x.464" is missing.
if not exist "x.464" goto missing
if not exist "x.465" echo The piece "x.465" is missing.
if not exist "x.465" goto missing
if not exist "x.466" echo The piece "x.466" is missing.
if not exist "x.466" goto missing
if not exist "x.467" echo The piece "x.467" is missing.
if not exist "x.467" goto missing
if not exist "x.468" echo The piece "x.468" is missing.
if not exist "x.468" goto missing
if not exist "x.469" echo The piece "x.469" is missing.
if not exist "x.469" goto missing
if not exist "x.470" echo The piece "x.470" is missing.
if not exist "x.470" goto missing
if not exist "x.471" echo The piece "x.471" is missing.
if not exist "x.471" goto missing
if not exist "x.472" echo The piece "x.472" is missing.
if not exist "x.472" goto missing
if not exist "x.473" echo The piece "x.473" is missing.
if not exist "x.473" goto missing
if not exist "x.474" echo The piece "x.474" is missing.
if not exist "x.474" goto missing
if not exist "x.475" echo The piece "x.475" is missing.
if not exist "x.475" goto missing
if not exist "x.476" echo The piece "x.476" is missing.
if not exist "x.476" goto missing
if not exist "x.477" echo The piece "x.477" is missing.
if not exist "x.477" goto missing
if not exist "x.478" echo The piece "x.478" is missing.
if not exist "x.478" goto missing
if not exist "x.479" echo The piece "x.479" is missing.
if not exist "x.479" goto missing
if not exist "x.480" echo The piece "x.480" is missing.
if not exist "x.480" goto missing
if not exist "x.481" echo The piece "x.481" is missing.
if not exist "x.481" goto missing
if not exist "x.482" echo The piece "x.482" is missing.
if not exist "x.482" goto missing
if not exist "x.483" echo The piece "x.483" is missing.
if not exist "x.483" goto missing
if not exist "x.484" echo The piece "x.484" is missing.
if not exist "x.484" goto missing
if not exist "x.485" echo The piece "x.485" is missing.
if not exist "x.485" goto missing
if not exist "x.486" echo The piece "x.486" is missing.
if not exist "x.486" goto missing
if not exist "x.487" echo The piece "x.487" is missing.
if not exist "x.487" goto missing
if not exist "x.488" echo The piece "x.488" is missing.
if not exist "x.488" goto missing
if not exist "x.489" echo The piece "x.489" is missing.
if not exist "x.489" goto missing
if not exist "x.490" echo The piece "x.490" is missing.
if not exist "x.490" goto missing
if not exist "x.491" echo The piece "x.491" is missing.
if not exist "x.491" goto missing
if not exist "x.492" echo The piece "x.492" is missing.
if not exist "x.492" goto missing
if not exist "x.493" echo The piece "x.493" is missing.
if not exist "x.493" goto missing
if not exist "x.494" echo The piece "x.494" is missing.
if not exist "x.494" goto missing
if not exist "x.495" echo The piece "x.495" is missing.
if not exist "x.495" goto missing
if not exist "x.496" echo The piece "x.496" is missing.
if not exist "x.496" goto missing
if not exist "x.497" echo The piece "x.497" is missing.
if not exist "x.497" goto missing
if not exist "x.498" echo The piece "x.498" is missing.
if not exist "x.498" goto missing
if not exist "x.499" echo The piece "x.499" is missing.
if not exist "x.499" goto missing
if not exist "x.500" echo The piece "x.500" is missing.
if not exist "x.500" goto missing
if not exist "x.501" echo The piece "x.501" is missing.
if not exist "x.501" goto missing
if not exist "x.502" echo The piece "x.502" is missing.
if not exist "x.502" goto missing
if not exist "x.503" echo The piece "x.503" is missing.
if not exist "x.503" goto missing
if not exist "x.504" echo The piece "x.504" is missing.
if not exist "x.504" goto missing
if not exist "x.505" echo The piece "x.505" is missing.
if not exist "x.505" goto missing
if not exist "x.506" echo The piece "x.506" is missing.
if not exist "x.506" goto missing
if not exist "x.507" echo The piece "x.507" is missing.
if not exist "x.507" goto missing
if not exist "x.508" echo The piece "x.508" is missing.
if not exist "x.508" goto missing
if not exist "x.509" echo The piece "x.509" is missing.
if not exist "x.509" goto missing
if not exist "x.510" echo The piece "x.510" is missing.
if not exist "x.510" goto missing
if not exist "x.511" echo The piece "x.511" is missing.
if not exist "x.511" goto missing
if not exist "x.512" echo The piece "x.512" is missing.
if not exist "x.512" goto missing
if not exist "x.513" echo The piece "x.513" is missing.
if not exist "x.513" goto missing
if not exist "x.514" echo The piece "x.514" is missing.
if not exist "x.514" goto missing
if not exist "x.515" echo The piece "x.515" is missing.
if not exist "x.515" goto missing
if not exist "x.516" echo The piece "x.516" is missing.
if not exist "x.516" goto missing
if not exist "x.517" echo The piece "x.517" is missing.
if not exist "x.517" goto missing
if not exist "x.518" echo The piece "x.518" is missing.
if not exist "x.518" goto missing
if not exist "x.519" echo The piece "x.519" is missing.
if not exist "x.519" goto missing
if not exist "x.520" echo The piece "x.520" is missing.
if not exist "x.520" goto missing
if not exist "x.521" echo The piece "x.521" is missing.
if not exist "x.521" goto missing
if not exist "x.522" echo The piece "x.522" is missing.
if not exist "x.522" goto missing
if not exist "x.523" echo The piece "x.523" is missing.
if not exist "x.523" goto missing
if not exist "x.524" echo The piece "x.524" is missing.
if not exist "x.524" goto missing
if not exist "x.525" echo The piece "x.525" is missing.
if not exist "x.525" goto missing
if not exist "x.526" echo The piece "x.526" is missing.
if not exist "x.526" goto missing
if not exist "x.527" echo The piece "x.527" is missing.
if not exist "x.527" goto missing
if not exist "x.528" echo The piece "x.528" is missing.
if not exist "x.528" goto missing
if not exist "x.529" echo The piece "x.529" is missing.
if not exist "x.529" goto missing
if not exist "x.530" echo The piece "x.530" is missing.
if not exist "x.530" goto missing
if not exist "x.531" echo The piece "x.531" is missing.
if not exist "x.531" goto missing
if not exist "x.532" echo The piece "x.532" is missing.
if not exist "x.532" goto missing
if not exist "x.533" echo The piece "x.533" is missing.
if not exist "x.533" goto missing
if not exist "x.534" echo The piece "x.534" is missing.
if not exist "x.534" goto missing
if not exist "x.535" echo The piece "x.535" is missing.
if not exist "x.535" goto missing
if not exist "x.536" echo The piece "x.536" is missing.
if not exist "x.536" goto missing
if not exist "x.537" echo The piece "x.537" is missing.
if not exist "x.537" goto missing
if not exist "x.538" echo The piece "x.538" is missing.
if not exist "x.538" goto missing
if not exist "x.539" echo The piece "x.539" is missing.
if not exist "x.539" goto missing
if not exist "x.540" echo The piece "x.540" is missing.
if not exist "x.540" goto missing
if not exist "x.541" echo The piece "x.541" is missing.
if not exist "x.541" goto missing
if not exist "x.542" echo The piece "x.542" is missing.
if not exist "x.542" goto missing
if not exist "x.543" echo The piece "x.543" is missing.
if not exist "x.543" goto missing
if not exist "x.544" echo The piece "x.544" is missing.
if not exist "x.544" goto missing
if not exist "x.545" echo The piece "x.545" is missing.
if not exist "x.545" goto missing
if not exist "x.546" echo The piece "x.546" is missing.
if not exist "x.546" goto missing
if not exist "x.547" echo The piece "x.547" is missing.
if not exist "x.547" goto missing
if not exist "x.548" echo The piece "x.548" is missing.
if not exist "x.548" goto missing
if not exist "x.549" echo The piece "x.549" is missing.
if not exist "x.549" goto missing
if not exist "x.550" echo The piece "x.550" is missing.
if not exist "x.550" goto missing
if not exist "x.551" echo The piece "x.551" is missing.
if not exist "x.551" goto missing
if not exist "x.552" echo The piece "x.552" is missing.
if not exist "x.552" goto missing
if not exist "x.553" echo The piece "x.553" is missing.
if not exist "x.553" goto missing
if not exist "x.554" echo The piece "x.554" is missing.
if not exist "x.554" goto missing
if not exist "x.555" echo The piece "x.555" is missing.
if not exist "x.555" goto missing
if not exist "x.556" echo The piece "x.556" is missing.
if not exist "x.556" goto missing
if not exist "x.557" echo The piece "x.557" is missing.
if not exist "x.557" goto missing
if not exist "x.558" echo The piece "x.558" is missing.
if not exist "x.558" goto missing
if not exist "x.559" echo The piece "x.559" is missing.
if not exist "x.559" goto missing
if not exist "x.560" echo The piece "x.560" is missing.
if not exist "x.560" goto missing
if not exist "x.561" echo The piece "x.561" is missing.
if not exist "x.561" goto missing
if not exist "x.562" echo The piece "x.562" is missing.
if not exist "x.562" goto missing
if not exist "x.563" echo The piece "x.563" is missing.
if not exist "x.563" goto missing
if not exist "x.564" echo The piece "x.564" is missing.
if not exist "x.564" goto missing
if not exist "x.565" echo The piece "x.565" is missing.
if not exist "x.565" goto missing
if not exist "x.566" echo The piece "x.566" is missing.
if not exist "x.566" goto missing
if not exist "x.567" echo The piece "x.567" is missing.
if not exist "x.567" goto missing
if not exist "x.568" echo The piece "x.568" is missing.
if not exist "x.568" goto missing
if not exist "x.569" echo The piece "x.569" is missing.
if not exist "x.569" goto missing
if not exist "x.570" echo The piece "x.570" is missing.
if not exist "x.570" goto missing
if not exist "x.571" echo The piece "x.571" is missing.
if not exist "x.571" goto missing
if not exist "x.572" echo The piece "x.572" is missing.
if not exist "x.572" goto missing
if not exist "x.573" echo The piece "x.573" is missing.
if not exist "x.573" goto missing
if not exist "x.574" echo The piece "x.574" is missing.
if not exist "x.574" goto missing
if not exist "x.575" echo The piece "x.575" is missing.
if not exist "x.575" goto missing
if not exist "x.576" echo The piece "x.576" is missing.
if not exist "x.576" goto missing
if not exist "x.577" echo The piece "x.577" is missing.
if not exist "x.577" goto missing
if not exist "x.578" echo The piece "x.578" is missing.
if not exist "x.578" goto missing
if not exist "x.579" echo The piece "x.579" is missing.
if not exist "x.579" goto missing
if not exist "x.580" echo The piece "x.580" is missing.
if not exist "x.580" goto missing
if not exist "x.581" echo The piece "x.581" is missing.
if not exist "x.581" goto missing
if not exist "x.582" echo The piece "x.582" is missing.
if not exist "x.582" goto missing
if not exist "x.583" echo The piece "x.583" is missing.
if not exist "x.583" goto missing
if not exist "x.584" echo The piece "x.584" is missing.
if not exist "x.584" goto missing
if not exist "x.585" echo The piece "x.585" is missing.
if not exist "x.585" goto missing
if not exist "x.586" echo The piece "x.586" is missing.
if not exist "x.586" goto missing
if not exist "x.587" echo The piece "x.587" is missing.
if not exist "x.587" goto missing
if not exist "x.588" echo The piece "x.588" is missing.
if not exist "x.588" goto missing
if not exist "x.589" echo The piece "x.589" is missing.
if not exist "x.589" goto missing
if not exist "x.590" echo The piece "x.590" is missing.
if not exist "x.590" goto missing
if not exist "x.591" echo The piece "x.591" is missing.
if not exist "x.591" goto missing
if not exist "x.592" echo The piece "x.592" is missing.
if not exist "x.592" goto missing
if not exist "x.593" echo The piece "x.593" is missing.
if not exist "x.593" goto missing
if not exist "x.594" echo The piece "x.594" is missing.
if not exist "x.594" goto missing
if not exist "x.595" echo The piece "x.595" is missing.
if not exist "x.595" goto missing
if not exist "x.596" echo The piece "x.596" is missing.
if not exist "x.596" goto missing
if not exist "x.597" echo The piece "x.597" is missing.
if not exist "x.597" goto missing
if not exist "x.598" echo The piece "x.598" is missing.
if not exist "x.598" goto missing
if not exist "x.599" echo The piece "x.599" is missing.
if not exist "x.599" goto missing
if not exist "x.600" echo The piece "x.600" is missing.
if not exist "x.600" goto missing
if not exist "x.601" echo The piece "x.601" is missing.
if not exist "x.601" goto missing
if not exist "x.602" echo The piece "x.602" is missing.
if not exist "x.602" goto missing
if not exist "x.603" echo The piece "x.603" is missing.
if not exist "x.603" goto missing
if not exist "x.604" echo The piece "x.604" is missing.
if not exist "x.604" goto missing
if not exist "x.605" echo The piece "x.605" is missing.
if not exist "x.605" goto missing
if not exist "x.606" echo The piece "x.606" is missing.
if not exist "x.606" goto missing
if not exist "x.607" echo The piece "x.607" is missing.
if not exist "x.607" goto missing
if not exist "x.608" echo The piece "x.608" is missing.
if not exist "x.608" goto missing
if not exist "x.609" echo The piece "x.609" is missing.
if not exist "x.609" goto missing
if not exist "x.610" echo The piece "x.610" is missing.
if not exist "x.610" goto missing
if not exist "x.611" echo The piece "x.611" is missing.
if not exist "x.611" goto missing
if not exist "x.612" echo The piece "x.612" is missing.
if not exist "x.612" goto missing
if not exist "x.613" echo The piece "x.613" is missing.
if not exist "x.613" goto missing
if not exist "x.614" echo The piece "x.614" is missing.
if not exist "x.614" goto missing
if not exist "x.615" echo The piece "x.615" is missing.
if not exist "x.615" goto missing
if not exist "x.616" echo The piece "x.616" is missing.
if not exist "x.616" goto missing
if not exist "x.617" echo The piece "x.617" is missing.
if not exist "x.617" goto missing
if not exist "x.618" echo The piece "x.618" is missing.
if not exist "x.618" goto missing
if not exist "x.619" echo The piece "x.619" is missing.
if not exist "x.619" goto missing
if not exist "x.620" echo The piece "x.620" is missing.
if not exist "x.620" goto missing
if not exist "x.621" echo The piece "x.621" is missing.
if not exist "x.621" goto missing
if not exist "x.622" echo The piece "x.622" is missing.
if not exist "x.622" goto missing
if not exist "x.623" echo The piece "x.623" is missing.
if not exist "x.623" goto missing
if not exist "x.624" echo The piece "x.624" is missing.
if not exist "x.624" goto missing
if not exist "x.625" echo The piece "x.625" is missing.
if not exist "x.625" goto missing
if not exist "x.626" echo The piece "x.626" is missing.
if not exist "x.626" goto missing
if not exist "x.627" echo The piece "x.627" is missing.
if not exist "x.627" goto missing
if not exist "x.628" echo The piece "x.628" is missing.
if not exist "x.628" goto missing
if not exist "x.629" echo The piece "x.629" is missing.
if not exist "x.629" goto missing
if not exist "x.630" echo The piece "x.630" is missing.
if not exist "x.630" goto missing
if not exist "x.631" echo The piece "x.631" is missing.
if not exist "x.631" goto missing
if not exist "x.632" echo The piece "x.632" is missing.
if not exist "x.632" goto missing
if not exist "x.633" echo The piece "x.633" is missing.
if not exist "x.633" goto missing
if not exist "x.634" echo The piece "x.634" is missing.
if not exist "x.634" goto missing
if not exist "x.635" echo The piece "x.635" is missing.
if not exist "x.635" goto missing
if not exist "x.636" echo The piece "x.636" is missing.
if not exist "x.636" goto missing
if not exist "x.637" echo The piece "x.637" is missing.
if not exist "x.637" goto missing
if not exist "x.638" echo The piece "x.638" is missing.
if not exist "x.638" goto missing
if not exist "x.639" echo The piece "x.639" is missing.
if not exist "x.639" goto missing
if not exist "x.640" echo The piece "x.640" is missing.
if not exist "x.640" goto missing
if not exist "x.641" echo The piece "x.641" is missing.
if not exist "x.641" goto missing
if not exist "x.642" echo The piece "x.642" is missing.
if not exist "x.642" goto missing
if not exist "x.643" echo The piece "x.643" is missing.
if not exist "x.643" goto missing
if not exist "x.644" echo The piece "x.644" is missing.
if not exist "x.644" goto missing
if not exist "x.645" echo The piece "x.645" is missing.
if not exist "x.645" goto missing
if not exist "x.646" echo The piece "x.646" is missing.
if not exist "x.646" goto missing
if not exist "x.647" echo The piece "x.647" is missing.
if not exist "x.647" goto missing
if not exist "x.648" echo The piece "x.648" is missing.
if not exist "x.648" goto missing
if not exist "x.649" echo The piece "x.649" is missing.
if not exist "x.649" goto missing
if not exist "x.650" echo The piece "x.650" is missing.
if not exist "x.650" goto missing
if not exist "x.651" echo The piece "x.651" is missing.
if not exist "x.651" goto missing
if not exist "x.652" echo The piece "x.652" is missing.
if not exist "x.652" goto missing
if not exist "x.653" echo The piece "x.653" is missing.
if not exist "x.653" goto missing
if not exist "x.654" echo The piece "x.654" is missing.
if not exist "x.654" goto missing
if not exist "x.655" echo The piece "x.655" is missing.
if not exist "x.655" goto missing
if not exist "x.656" echo The piece "x.656" is missing.
if not exist "x.656" goto missing
if not exist "x.657" echo The piece "x.657" is missing.
if not exist "x.657" goto missing
if not exist "x.658" echo The piece "x.658" is missing.
if not exist "x.658" goto missing
if not exist "x.659" echo The piece "x.659" is missing.
if not exist "x.659" goto missing
if not exist "x.660" echo The piece "x.660" is missing.
if not exist "x.660" goto missing
if not exist "x.661" echo The piece "x.661" is missing.
if not exist "x.661" goto missing
if not exist "x.662" echo The piece "x.662" is missing.
if not exist "x.662" goto missing
if not exist "x.663" echo The piece "x.663" is missing.
if not exist "x.663" goto missing
if not exist "x.664" echo The piece "x.664" is missing.
if not exist "x.664" goto missing
if not exist "x.665" echo The piece "x.665" is missing.
if not exist "x.665" goto missing
if not exist "x.666" echo The piece "x.666" is missing.
if not exist "x.666" goto missing
if not exist "x.667" echo The piece "x.667" is missing.
if not exist "x.667" goto missing
if not exist "x.668" echo The piece "x.668" is missing.
if not exist "x.668" goto missing
if not exist "x.669" echo The piece "x.669" is missing.
if not exist "x.669" goto missing
if not exist "x.670" echo The piece "x.670" is missing.
if not exist "x.670" goto missing
if not exist "x.671" echo The piece "x.671" is missing.
if not exist "x.671" goto missing
if not exist "x.672" echo The piece "x.672" is missing.
if not exist "x.672" goto missing
if not exist "x.673" echo The piece "x.673" is missing.
if not exist "x.673" goto missing
if not exist "x.674" echo The piece "x.674" is missing.
if not exist "x.674" goto missing
if not exist "x.675" echo The piece "x.675" is missing.
if not exist "x.675" goto missing
if not exist "x.676" echo The piece "x.676" is missing.
if not exist "x.676" goto missing
if not exist "x.677" echo The piece "x.677" is missing.
if not exist "x.677" goto missing
if not exist "x.678" echo The piece "x.678" is missing.
if not exist "x.678" goto missing
if not exist "x.679" echo The piece "x.679" is missing.
if not exist "x.679" goto missing
if not exist "x.680" echo The piece "x.680" is missing.
if not exist "x.680" goto missing
if not exist "x.681" echo The piece "x.681" is missing.
if not exist "x.681" goto missing
if not exist "x.682" echo The piece "x.682" is missing.
if not exist "x.682" goto missing
if not exist "x.683" echo The piece "x.683" is missing.
if not exist "x.683" goto missing
if not exist "x.684" echo The piece "x.684" is missing.
if not exist "x.684" goto missing
if not exist "x.685" echo The piece "x.685" is missing.
if not exist "x.685" goto missing
if not exist "x.686" echo The piece "x.686" is missing.
if not exist "x.686" goto missing
if not exist "x.687" echo The piece "x.687" is missing.
if not exist "x.687" goto missing
if not exist "x.688" echo The piece "x.688" is missing.
if not exist "x.688" goto missing
if not exist "x.689" echo The piece "x.689" is missing.
if not exist "x.689" goto missing
if not exist "x.690" echo The piece "x.690" is missing.
if not exist "x.690" goto missing
if not exist "x.691" echo The piece "x.691" is missing.
if not exist "x.691" goto missing
if not exist "x.692" echo The piece "x.692" is missing.
if not exist "x.692" goto missing
if not exist "x.693" echo The piece "x.693" is missing.
if not exist "x.693" goto missing
if not exist "x.694" echo The piece "x.694" is missing.
if not exist "x.694" goto missing
if not exist "x.695" echo The piece "x.695" is missing.
if not exist "x.695" goto missing
if not exist "x.696" echo The piece "x.696" is missing.
if not exist "x.696" goto missing
if not exist "x.697" echo The piece "x.697" is missing.
if not exist "x.697" goto missing
if not exist "x.698" echo The piece "x.698" is missing.
if not exist "x.698" goto missing
if not exist "x.699" echo The piece "x.699" is missing.
if not exist "x.699" goto missing
if not exist "x.700" echo The piece "x.700" is missing.
if not exist "x.700" goto missing
if not exist "x.701" echo The piece "x.701" is missing.
if not exist "x.701" goto missing
if not exist "x.702" echo The piece "x.702" is missing.
if not exist "x.702" goto missing
if not exist "x.703" echo The piece "x.703" is missing.
if not exist "x.703" goto missing
if not exist "x.704" echo The piece "x.704" is missing.
if not exist "x.704" goto missing
if not exist "x.705" echo The piece "x.705" is missing.
if not exist "x.705" goto missing
if not exist "x.706" echo The piece "x.706" is missing.
if not exist "x.706" goto missing
if not exist "x.707" echo The piece "x.707" is missing.
if not exist "x.707" goto missing
if not exist "x.708" echo The piece "x.708" is missing.
if not exist "x.708" goto missing
if not exist "x.709" echo The piece "x.709" is missing.
if not exist "x.709" goto missing
if not exist "x.710" echo The piece "x.710" is missing.
if not exist "x.710" goto missing
if not exist "x.711" echo The piece "x.711" is missing.
if not exist "x.711" goto missing
if not exist "x.712" echo The piece "x.712" is missing.
if not exist "x.712" goto missing
if not exist "x.713" echo The piece "x.713" is missing.
if not exist "x.713" goto missing
if not exist "x.714" echo The piece "x.714" is missing.
if not exist "x.714" goto missing
if not exist "x.715" echo The piece "x.715" is missing.
if not exist "x.715" goto missing
if not exist "x.716" echo The piece "x.716" is missing.
if not exist "x.716" goto missing
if not exist "x.717" echo The piece "x.717" is missing.
if not exist "x.717" goto missing
if not exist "x.718" echo The piece "x.718" is missing.
if not exist "x.718" goto missing
if not exist "x.719" echo The piece "x.719" is missing.
if not exist "x.719" goto missing
if not exist "x.720" echo The piece "x.720" is missing.
if not exist "x.720" goto missing
if not exist "x.721" echo The piece "x.721" is missing.
if not exist "x.721" goto missing
if not exist "x.722" echo The piece "x.722" is missing.
if not exist "x.722" goto missing
if not exist "x.723" echo The piece "x.723" is missing.
if not exist "x.723" goto missing
if not exist "x.724" echo The piece "x.724" is missing.
if not exist "x.724" goto missing
if not exist "x.725" echo The piece "x.725" is missing.
if not exist "x.725" goto missing
if not exist "x.726" echo The piece "x.726" is missing.
if not exist "x.726" goto missing
if not exist "x.727" echo The piece "x.727" is missing.
if not exist "x.727" goto missing
if not exist "x.728" echo The piece "x.728" is missing.
if not exist "x.728" goto missing
if not exist "x.729" echo The piece "x.729" is missing.
if not exist "x.729" goto missing
if not exist "x.730" echo The piece "x.730" is missing.
if not exist "x.730" goto missing
if not exist "x.731" echo The piece "x.731" is missing.
if not exist "x.731" goto missing
if not exist "x.732" echo The piece "x.732" is missing.
if not exist "x.732" goto missing
if not exist "x.733" echo The piece "x.733" is missing.
if not exist "x.733" goto missing
if not exist "x.734" echo The piece "x.734" is missing.
if not exist "x.734" goto missing
if not exist "x.735" echo The piece "x.735" is missing.
if not exist "x.735" goto missing
if not exist "x.736" echo The piece "x.736" is missing.
if not exist "x.736" goto missing
if not exist "x.737" echo The piece "x.737" is missing.
if not exist "x.737" goto missing
if not exist "x.738" echo The piece "x.738" is missing.
if not exist "x.738" goto missing
if not exist "x.739" echo The piece "x.739" is missing.
if not exist "x.739" goto missing
if not exist "x.740" echo The piece "x.740" is missing.
if not exist "x.740" goto missing
if not exist "x.741" echo The piece "x.741" is missing.
if not exist "x.741" goto missing
if not exist "x.742" echo The piece "x.742" is missing.
if not exist "x.742" goto missing
if not exist "x.743" echo The piece "x.743" is missing.
if not exist "x.743" goto missing
if not exist "x.744" echo The piece "x.744" is missing.
if not exist "x.744" goto missing
if not exist "x.745" echo The piece "x.745" is missing.
if not exist "x.745" goto missing
if not exist "x.746" echo The piece "x.746" is missing.
if not exist "x.746" goto missing
if not exist "x.747" echo The piece "x.747" is missing.
if not exist "x.747" goto missing
if not exist "x.748" echo The piece "x.748" is missing.
if not exist "x.748" goto missing
if not exist "x.749" echo The piece "x.749" is missing.
if not exist "x.749" goto missing
if not exist "x.750" echo The piece "x.750" is missing.
if not exist "x.750" goto missing
if not exist "x.751" echo The piece "x.751" is missing.
if not exist "x.751" goto missing
if not exist "x.752" echo The piece "x.752" is missing.
if not exist "x.752" goto missing
if not exist "x.753" echo The piece "x.753" is missing.
if not exist "x.753" goto missing
if not exist "x.754" echo The piece "x.754" is missing.
if not exist "x.754" goto missing
if not exist "x.755" echo The piece "x.755" is missing.
if not exist "x.755" goto missing
if not exist "x.756" echo The piece "x.756" is missing.
if not exist "x.756" goto missing
if not exist "x.757" echo The piece "x.757" is missing.
if not exist "x.757" goto missing
if not exist "x.758" echo The piece "x.758" is missing.
if not exist "x.758" goto missing
if not exist "x.759" echo The piece "x.759" is missing.
if not exist "x.759" goto missing
if not exist "x.760" echo The piece "x.760" is missing.
if not exist "x.760" goto missing
if not exist "x.761" echo The piece "x.761" is missing.
if not exist "x.761" goto missing
if not exist "x.762" echo The piece "x.762" is missing.
if not exist "x.762" goto missing
if not exist "x.763" echo The piece "x.763" is missing.
if not exist "x.763" goto missing
if not exist "x.764" echo The piece "x.764" is missing.
if not exist "x.764" goto missing
if not exist "x.765" echo The piece "x.765" is missing.
if not exist "x.765" goto missing
if not exist "x.766" echo The piece "x.766" is missing.
if not exist "x.766" goto missing
if not exist "x.767" echo The piece "x.767" is missing.
if not exist "x.767" goto missing
if not exist "x.768" echo The piece "x.768" is missing.
if not exist "x.768" goto missing
if not exist "x.769" echo The piece "x.769" is missing.
if not exist "x.769" goto missing
if not exist "x.770" echo The piece "x.770" is missing.
if not exist "x.770" goto missing
if not exist "x.771" echo The piece "x.771" is missing.
if not exist "x.771" goto missing
if not exist "x.772" echo The piece "x.772" is missing.
if not exist "x.772" goto missing
if not exist "x.773" echo The piece "x.773" is missing.
if not exist "x.773" goto missing
if not exist "x.774" echo The piece "x.774" is missing.
if not exist "x.774" goto missing
if not exist "x.775" echo The piece "x.775" is missing.
if not exist "x.775" goto missing
if not exist "x.776" echo The piece "x.776" is missing.
if not exist "x.776" goto missing
if not exist "x.777" echo The piece "x.777" is missing.
if not exist "x.777" goto missing
if not exist "x.778" echo The piece "x.778" is missing.
if not exist "x.778" goto missing
if not exist "x.779" echo The piece "x.779" is missing.
if not exist "x.779" goto missing
if not exist "x.780" echo The piece "x.780" is missing.
if not exist "x.780" goto missing
if not exist "x.781" echo The piece "x.781" is missing.
if not exist "x.781" goto missing
if not exist "x.782" echo The piece "x.782" is missing.
if not exist "x.782" goto missing
if not exist "x.783" echo The piece "x.783" is missing.
if not exist "x.783" goto missing
if not exist "x.784" echo The piece "x.784" is missing.
if not exist "x.784" goto missing
if not exist "x.785" echo The piece "x.785" is missing.
if not exist "x.785" goto missing
if not exist "x.786" echo The piece "x.786" is missing.
if not exist "x.786" goto missing
if not exist "x.787" echo The piece "x.787" is missing.
if not exist "x.787" goto missing
if not exist "x.788" echo The piece "x.788" is missing.
if not exist "x.788" goto missing
if not exist "x.789" echo The piece "x.789" is missing.
if not exist "x.789" goto missing
if not exist "x.790" echo The piece "x.790" is missing.
if not exist "x.790" goto missing
if not exist "x.791" echo The piece "x.791" is missing.
if not exist "x.791" goto missing
if not exist "x.792" echo The piece "x.792" is missing.
if not exist "x.792" goto missing
if not exist "x.793" echo The piece "x.793" is missing.
if not exist "x.793" goto missing
if not exist "x.794" echo The piece "x.794" is missing.
if not exist "x.794" goto missing
if not exist "x.795" echo The piece "x.795" is missing.
if not exist "x.795" goto missing
if not exist "x.796" echo The piece "x.796" is missing.
if not exist "x.796" goto missing
if not exist "x.797" echo The piece "x.797" is missing.
if not exist "x.797" goto missing
if not exist "x.798" echo The piece "x.798" is missing.
if not exist "x.798" goto missing
if not exist "x.799" echo The piece "x.799" is missing.
if not exist "x.799" goto missing
if not exist "x.800" echo The piece "x.800" is missing.
if not exist "x.800" goto missing
if not exist "x.801" echo The piece "x.801" is missing.
if not exist "x.801" goto missing
if not exist "x.802" echo The piece "x.802" is missing.
if not exist "x.802" goto missing
if not exist "x.803" echo The piece "x.803" is missing.
if not exist "x.803" goto missing
if not exist "x.804" echo The piece "x.804" is missing.
if not exist "x.804" goto missing
if not exist "x.805" echo The piece "x.805" is missing.
if not exist "x.805" goto missing
if not exist "x.806" echo The piece "x.806" is missing.
if not exist "x.806" goto missing
if not exist "x.807" echo The piece "x.807" is missing.
if not exist "x.807" goto missing
if not exist "x.808" echo The piece "x.808" is missing.
if not exist "x.808" goto missing
if not exist "x.809" echo The piece "x.809" is missing.
if not exist "x.809" goto missing
if not exist "x.810" echo The piece "x.810" is missing.
if not exist "x.810" goto missing
if not exist "x.811" echo The piece "x.811" is missing.
if not exist "x.811" goto missing
if not exist "x.812" echo The piece "x.812" is missing.
if not exist "x.812" goto missing
if not exist "x.813" echo The piece "x.813" is missing.
if not exist "x.813" goto missing
if not exist "x.814" echo The piece "x.814" is missing.
if not exist "x.814" goto missing
if not exist "x.815" echo The piece "x.815" is missing.
if not exist "x.815" goto missing
if not exist "x.816" echo The piece "x.816" is missing.
if not exist "x.816" goto missing
if not exist "x.817" echo The piece "x.817" is missing.
if not exist "x.817" goto missing
if not exist "x.818" echo The piece "x.818" is missing.
if not exist "x.818" goto missing
if not exist "x.819" echo The piece "x.819" is missing.
if not exist "x.819" goto missing
if not exist "x.820" echo The piece "x.820" is missing.
if not exist "x.820" goto missing
if not exist "x.821" echo The piece "x.821" is missing.
if not exist "x.821" goto missing
if not exist "x.822" echo The piece "x.822" is missing.
if not exist "x.822" goto missing
if not exist "x.823" echo The piece "x.823" is missing.
if not exist "x.823" goto missing
if not exist "x.824" echo The piece "x.824" is missing.
if not exist "x.824" goto missing
if not exist "x.825" echo The piece "x.825" is missing.
if not exist "x.825" goto missing
if not exist "x.826" echo The piece "x.826" is missing.
if not exist "x.826" goto missing
if not exist "x.827" echo The piece "x.827" is missing.
if not exist "x.827" goto missing
if not exist "x.828" echo The piece "x.828" is missing.
if not exist "x.828" goto missing
if not exist "x.829" echo The piece "x.829" is missing.
if not exist "x.829" goto missing
if not exist "x.830" echo The piece "x.830" is missing.
if not exist "x.830" goto missing
if not exist "x.831" echo The piece "x.831" is missing.
if not exist "x.831" goto missing
if not exist "x.832" echo The piece "x.832" is missing.
if not exist "x.832" goto missing
if not exist "x.833" echo The piece "x.833" is missing.
if not exist "x.833" goto missing
if not exist "x.834" echo The piece "x.834" is missing.
if not exist "x.834" goto missing
if not exist "x.835" echo The piece "x.835" is missing.
if not exist "x.835" goto missing
if not exist "x.836" echo The piece "x.836" is missing.
if not exist "x.836" goto missing
if not exist "x.837" echo The piece "x.837" is missing.
if not exist "x.837" goto missing
if not exist "x.838" echo The piece "x.838" is missing.
if not exist "x.838" goto missing
if not exist "x.839" echo The piece "x.839" is missing.
if not exist "x.839" goto missing
if not exist "x.840" echo The piece "x.840" is missing.
if not exist "x.840" goto missing
if not exist "x.841" echo The piece "x.841" is missing.
if not exist "x.841" goto missing
if not exist "x.842" echo The piece "x.842" is missing.
if not exist "x.842" goto missing
if not exist "x.843" echo The piece "x.843" is missing.
if not exist "x.843" goto missing
if not exist "x.844" echo The piece "x.844" is missing.
if not exist "x.844" goto missing
if not exist "x.845" echo The piece "x.845" is missing.
if not exist "x.845" goto missing
if not exist "x.846" echo The piece "x.846" is missing.
if not exist "x.846" goto missing
if not exist "x.847" echo The piece "x.847" is missing.
if not exist "x.847" goto missing
if not exist "x.848" echo The piece "x.848" is missing.
if not exist "x.848" goto missing
if not exist "x.849" echo The piece "x.849" is missing.
if not exist "x.849" goto missing
if not exist "x.850" echo The piece "x.850" is missing.
if not exist "x.850" goto missing
if not exist "x.851" echo The piece "x.851" is missing.
if not exist "x.851" goto missing
if not exist "x.852" echo The piece "x.852" is missing.
if not exist "x.852" goto missing
if not exist "x.853" echo The piece "x.853" is missing.
if not exist "x.853" goto missing
if not exist "x.854" echo The piece "x.854" is missing.
if not exist "x.854" goto missing
if not exist "x.855" echo The piece "x.855" is missing.
if not exist "x.855" goto missing
if not exist "x.856" echo The piece "x.856" is missing.
if not exist "x.856" goto missing
if not exist "x.857" echo The piece "x.857" is missing.
if not exist "x.857" goto missing
if not exist "x.858" echo The piece "x.858" is missing.
if not exist "x.858" goto missing
if not exist "x.859" echo The piece "x.859" is missing.
if not exist "x.859" goto missing
if not exist "x.860" echo The piece "x.860" is missing.
if not exist "x.860" goto missing
if not exist "x.861" echo The piece "x.861" is missing.
if not exist "x.861" goto missing
if not exist "x.862" echo The piece "x.862" is missing.
if not exist "x.862" goto missing
if not exist "x.863" echo The piece "x.863" is missing.
if not exist "x.863" goto missing
if not exist "x.864" echo The piece "x.864" is missing.
if not exist "x.864" goto missing
if not exist "x.865" echo The piece "x.865" is missing.
if not exist "x.865" goto missing
if not exist "x.866" echo The piece "x.866" is missing.
if not exist "x.866" goto missing
if not exist "x.867" echo The piece "x.867" is missing.
if not exist "x.867" goto missing
if not exist "x.868" echo The piece "x.868" is missing.
if not exist "x.868" goto missing
if not exist "x.869" echo The piece "x.869" is missing.
if not exist "x.869" goto missing
if not exist "x.870" echo The piece "x.870" is missing.
if not exist "x.870" goto missing
if not exist "x.871" echo The piece "x.871" is missing.
if not exist "x.871" goto missing
if not exist "x.872" echo The piece "x.872" is missing.
if not exist "x.872" goto missing
if not exist "x.873" echo The piece "x.873" is missing.
if not exist "x.873" goto missing
if not exist "x.874" echo The piece "x.874" is missing.
if not exist "x.874" goto missing
if not exist "x.875" echo The piece "x.875" is missing.
if not exist "x.875" goto missing
if not exist "x.876" echo The piece "x.876" is missing.
if not exist "x.876" goto missing
if not exist "x.877" echo The piece "x.877" is missing.
if not exist "x.877" goto missing
if not exist "x.878" echo The piece "x.878" is missing.
if not exist "x.878" goto missing
if not exist "x.879" echo The piece "x.879" is missing.
if not exist "x.879" goto missing
if not exist "x.880" echo The piece "x.880" is missing.
if not exist "x.880" goto missing
if not exist "x.881" echo The piece "x.881" is missing.
if not exist "x.881" goto missing
if not exist "x.882" echo The piece "x.882" is missing.
if not exist "x.882" goto missing
if not exist "x.883" echo The piece "x.883" is missing.
if not exist "x.883" goto missing
if not exist "x.884" echo The piece "x.884" is missing.
if not exist "x.884" goto missing
if not exist "x.885" echo The piece "x.885" is missing.
if not exist "x.885" goto missing
if not exist "x.886" echo The piece "x.886" is missing.
if not exist "x.886" goto missing
if not exist "x.887" echo The piece "x.887" is missing.
if not exist "x.887" goto missing
if not exist "x.888" echo The piece "x.888" is missing.
if not exist "x.888" goto missing
if not exist "x.889" echo The piece "x.889" is missing.
if not exist "x.889" goto missing
if not exist "x.890" echo The piece "x.890" is missing.
if not exist "x.890" goto missing
if not exist "x.891" echo The piece "x.891" is missing.
if not exist "x.891" goto missing
if not exist "x.892" echo The piece "x.892" is missing.
if not exist "x.892" goto missing
if not exist "x.893" echo The piece "x.893" is missing.
if not exist "x.893" goto missing
if not exist "x.894" echo The piece "x.894" is missing.
if not exist "x.894" goto missing
if not exist "x.895" echo The piece "x.895" is missing.
if not exist "x.895" goto missing
if not exist "x.896" echo The piece "x.896" is missing.
if not exist "x.896" goto missing
if not exist "x.897" echo The piece "x.897" is missing.
if not exist "x.897" goto missing
if not exist "x.898" echo The piece "x.898" is missing.
if not exist "x.898" goto missing
if not exist "x.899" echo The piece "x.899" is missing.
if not exist "x.899" goto missing
if not exist "x.900" echo The piece "x.900" is missing.
if not exist "x.900" goto missing
if not exist "x.901" echo The piece "x.901" is missing.
if not exist "x.901" goto missing
if not exist "x.902" echo The piece "x.902" is missing.
if not exist "x.902" goto missing
if not exist "x.903" echo The piece "x.903" is missing.
if not exist "x.903" goto missing
if not exist "x.904" echo The piece "x.904" is missing.
if not exist "x.904" goto missing
if not exist "x.905" echo The piece "x.905" is missing.
if not exist "x.905" goto missing
if not exist "x.906" echo The piece "x.906" is missing.
if not exist "x.906" goto missing
if not exist "x.907" echo The piece "x.907" is missing.
if not exist "x.907" goto missing
if not exist "x.908" echo The piece "x.908" is missing.
if not exist "x.908" goto missing
if not exist "x.909" echo The piece "x.909" is missing.
if not exist "x.909" goto missing
if not exist "x.910" echo The piece "x.910" is missing.
if not exist "x.910" goto missing
if not exist "x.911" echo The piece "x.911" is missing.
if not exist "x.911" goto missing
if not exist "x.912" echo The piece "x.912" is missing.
if not exist "x.912" goto missing
if not exist "x.913" echo The piece "x.913" is missing.
if not exist "x.913" goto missing
if not exist "x.914" echo The piece "x.914" is missing.
if not exist "x.914" goto missing
if not exist "x.915" echo The piece "x.915" is missing.
if not exist "x.915" goto missing
if not exist "x.916" echo The piece "x.916" is missing.
if not exist "x.916" goto missing
if not exist "x.917" echo The piece "x.917" is missing.
if not exist "x.917" goto missing
if not exist "x.918" echo The piece "x.918" is missing.
if not exist "x.918" goto missing
if not exist "x.919" echo The piece "x.919" is missing.
if not exist "x.919" goto missing
if not exist "x.920" echo The piece "x.920" is missing.
if not exist "x.920" goto missing
if not exist "x.921" echo The piece "x.921" is missing.
if not exist "x.921" goto missing
if not exist "x.922" echo The piece "x.922" is missing.
if not exist "x.922" goto missing
if not exist "x.923" echo The piece "x.923" is missing.
if not exist "x.923" goto missing
if not exist "x.924" echo The piece "x.924" is missing.
if not exist "x.924" goto missing
if not exist "x.925" echo The piece "x.925" is missing.
if not exist "x.925" goto missing
if not exist "x.926" echo The piece "x.926" is missing.
if not exist "x.926" goto missing
if not exist "x.927" echo The piece "x.927" is missing.
if not exist "x.927" goto missing
if not exist "x.928" echo The piece "x.928" is missing.
if not exist "x.928" goto missing
if not exist "x.929" echo The piece "x.929" is missing.
if not exist "x.929" goto missing
if not exist "x.930" echo The piece "x.930" is missing.
if not exist "x.930" goto missing
if not exist "x.931" echo The piece "x.931" is missing.
if not exist "x.931" goto missing
if not exist "x.932" echo The piece "x.932" is missing.
if not exist "x.932" goto missing
if not exist "x.933" echo The piece "x.933" is missing.
if not exist "x.933" goto missing
if not exist "x.934" echo The piece "x.934" is missing.
if not exist "x.934" goto missing
if not exist "x.935" echo The piece "x.935" is missing.
if not exist "x.935" goto missing
if not exist "x.936" echo The piece "x.936" is missing.
if not exist "x.936" goto missing
if not exist "x.937" echo The piece "x.937" is missing.
if not exist "x.937" goto missing
if not exist "x.938" echo The piece "x.938" is missing.
if not exist "x.938" goto missing
if not exist "x.939" echo The piece "x.939" is missing.
if not exist "x.939" goto missing
if not exist "x.940" echo The piece "x.940" is missing.
if not exist "x.940" goto missing
if not exist "x.941" echo The piece "x.941" is missing.
if not exist "x.941" goto missing
if not exist "x.942" echo The piece "x.942" is missing.
if not exist "x.942" goto missing
if not exist "x.943" echo The piece "x.943" is missing.
if not exist "x.943" goto missing
if not exist "x.944" echo The piece "x.944" is missing.
if not exist "x.944" goto missing
if not exist "x.945" echo The piece "x.945" is missing.
if not exist "x.945" goto missing
if not exist "x.946" echo The piece "x.946" is missing.
if not exist "x.946" goto missing
if not exist "x.947" echo The piece "x.947" is missing.
if not exist "x.947" goto missing
if not exist "x.948" echo The piece "x.948" is missing.
if not exist "x.948" goto missing
if not exist "x.949" echo The piece "x.949" is missing.
if not exist "x.949" goto missing
if not exist "x.950" echo The piece "x.950" is missing.
if not exist "x.950" goto missing
if not exist "x.951" echo The piece "x.951" is missing.
if not exist "x.951" goto missing
if not exist "x.952" echo The piece "x.952" is missing.
if not exist "x.952" goto missing
if not exist "x.953" echo The piece "x.953" is missing.
if not exist "x.953" goto missing
if not exist "x.954" echo The piece "x.954" is missing.
if not exist "x.954" goto missing
if not exist "x.955" echo The piece "x.955" is missing.
if not exist "x.955" goto missing
if not exist "x.956" echo The piece "x.956" is missing.
if not exist "x.956" goto missing
if not exist "x.957" echo The piece "x.957" is missing.
if not exist "x.957" goto missing
if not exist "x.958" echo The piece "x.958" is missing.
if not exist "x.958" goto missing
if not exist "x.959" echo The piece "x.959" is missing.
if not exist "x.959" goto missing
if not exist "x.960" echo The piece "x.960" is missing.
if not exist "x.960" goto missing
if not exist "x.961" echo The piece "x.961" is missing.
if not exist "x.961" goto missing
if not exist "x.962" echo The piece "x.962" is missing.
if not exist "x.962" goto missing
if not exist "x.963" echo The piece "x.963" is missing.
if not exist "x.963" goto missing
if not exist "x.964" echo The piece "x.964" is missing.
if not exist "x.964" goto missing
if not exist "x.965" echo The piece "x.965" is missing.
if not exist "x.965" goto missing
if not exist "x.966" echo The piece "x.966" is missing.
if not exist "x.966" goto missing
if not exist "x.967" echo The piece "x.967" is missing.
if not exist "x.967" goto missing
if not exist "x.968" echo The piece "x.968" is missing.
if not exist "x.968" goto missing
if not exist "x.969" echo The piece "x.969" is missing.
if not exist "x.969" goto missing
if not exist "x.970" echo The piece "x.970" is missing.
if not exist "x.970" goto missing
if not exist "x.971" echo The piece "x.971" is missing.
if not exist "x.971" goto missing
if not exist "x.972" echo The piece "x.972" is missing.
if not exist "x.972" goto missing
if not exist "x.973" echo The piece "x.973" is missing.
if not exist "x.973" goto missing
if not exist "x.974" echo The piece "x.974" is missing.
if not exist "x.974" goto missing
if not exist "x.975" echo The piece "x.975" is missing.
if not exist "x.975" goto missing
if not exist "x.976" echo The piece "x.976" is missing.
if not exist "x.976" goto missing
if not exist "x.977" echo The piece "x.977" is missing.
if not exist "x.977" goto missing
if not exist "x.978" echo The piece "x.978" is missing.
if not exist "x.978" goto missing
if not exist "x.979" echo The piece "x.979" is missing.
if not exist "x.979" goto missing
if not exist "x.980" echo The piece "x.980" is missing.
if not exist "x.980" goto missing
if not exist "x.981" echo The piece "x.981" is missing.
if not exist "x.981" goto missing
if not exist "x.982" echo The piece "x.982" is missing.
if not exist "x.982" goto missing
if not exist "x.983" echo The piece "x.983" is missing.
if not exist "x.983" goto missing
if not exist "x.984" echo The piece "x.984" is missing.
if not exist "x.984" goto missing
if not exist "x.985" echo The piece "x.985" is missing.
if not exist "x.985" goto missing
if not exist "x.986" echo The piece "x.986" is missing.
if not exist "x.986" goto missing
if not exist "x.987" echo The piece "x.987" is missing.
if not exist "x.987" goto missing
if not exist "x.988" echo The piece "x.988" is missing.
if not exist "x.988" goto missing
if not exist "x.989" echo The piece "x.989" is missing.
if not exist "x.989" goto missing
if not exist "x.990" echo The piece "x.990" is missing.
if not exist "x.990" goto missing
if not exist "x.991" echo The piece "x.991" is missing.
if not exist "x.991" goto missing
if not exist "x.992" echo The piece "x.992" is missing.
if not exist "x.992" goto missing
if not exist "x.993" echo The piece "x.993" is missing.
if not exist "x.993" goto missing
if not exist "x.994" echo The piece "x.994" is missing.
if not exist "x.994" goto missing
if not exist "x.995" echo The piece "x.995" is missing.
if not exist "x.995" goto missing
if not exist "x.996" echo The piece "x.996" is missing.
if not exist "x.996" goto missing
if not exist "x.997" echo The piece "x.997" is missing.
if not exist "x.997" goto missing
if not exist "x.998" echo The piece "x.998" is missing.
if not exist "x.998" goto missing
if not exist "x.999" echo The piece "x.999" is missing.
if not exist "x.999" goto missing
if not exist "x.1000" echo The piece "x.1000" is missing.
if not exist "x.1000" goto missing
if not exist "x.1001" echo The piece "x.1001" is missing.
if not exist "x.1001" goto missing
copy /b "x.001" "x"
if errorlevel 1 echo Joining "x.001" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.002" "x"
if errorlevel 1 echo Joining "x.002" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.003" "x"
if errorlevel 1 echo Joining "x.003" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.004" "x"
if errorlevel 1 echo Joining "x.004" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.005" "x"
if errorlevel 1 echo Joining "x.005" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.006" "x"
if errorlevel 1 echo Joining "x.006" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.007" "x"
if errorlevel 1 echo Joining "x.007" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.008" "x"
if errorlevel 1 echo Joining "x.008" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.009" "x"
if errorlevel 1 echo Joining "x.009" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.010" "x"
if errorlevel 1 echo Joining "x.010" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.011" "x"
if errorlevel 1 echo Joining "x.011" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.012" "x"
if errorlevel 1 echo Joining "x.012" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.013" "x"
if errorlevel 1 echo Joining "x.013" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.014" "x"
if errorlevel 1 echo Joining "x.014" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.015" "x"
if errorlevel 1 echo Joining "x.015" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.016" "x"
if errorlevel 1 echo Joining "x.016" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.017" "x"
if errorlevel 1 echo Joining "x.017" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.018" "x"
if errorlevel 1 echo Joining "x.018" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.019" "x"
if errorlevel 1 echo Joining "x.019" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.020" "x"
if errorlevel 1 echo Joining "x.020" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.021" "x"
if errorlevel 1 echo Joining "x.021" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.022" "x"
if errorlevel 1 echo Joining "x.022" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.023" "x"
if errorlevel 1 echo Joining "x.023" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.024" "x"
if errorlevel 1 echo Joining "x.024" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.025" "x"
if errorlevel 1 echo Joining "x.025" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.026" "x"
if errorlevel 1 echo Joining "x.026" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.027" "x"
if errorlevel 1 echo Joining "x.027" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.028" "x"
if errorlevel 1 echo Joining "x.028" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.029" "x"
if errorlevel 1 echo Joining "x.029" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.030" "x"
if errorlevel 1 echo Joining "x.030" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.031" "x"
if errorlevel 1 echo Joining "x.031" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.032" "x"
if errorlevel 1 echo Joining "x.032" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.033" "x"
if errorlevel 1 echo Joining "x.033" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.034" "x"
if errorlevel 1 echo Joining "x.034" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.035" "x"
if errorlevel 1 echo Joining "x.035" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.036" "x"
if errorlevel 1 echo Joining "x.036" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.037" "x"
if errorlevel 1 echo Joining "x.037" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.038" "x"
if errorlevel 1 echo Joining "x.038" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.039" "x"
if errorlevel 1 echo Joining "x.039" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.040" "x"
if errorlevel 1 echo Joining "x.040" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.041" "x"
if errorlevel 1 echo Joining "x.041" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.042" "x"
if errorlevel 1 echo Joining "x.042" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.043" "x"
if errorlevel 1 echo Joining "x.043" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.044" "x"
if errorlevel 1 echo Joining "x.044" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.045" "x"
if errorlevel 1 echo Joining "x.045" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.046" "x"
if errorlevel 1 echo Joining "x.046" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.047" "x"
if errorlevel 1 echo Joining "x.047" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.048" "x"
if errorlevel 1 echo Joining "x.048" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.049" "x"
if errorlevel 1 echo Joining "x.049" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.050" "x"
if errorlevel 1 echo Joining "x.050" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.051" "x"
if errorlevel 1 echo Joining "x.051" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.052" "x"
if errorlevel 1 echo Joining "x.052" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.053" "x"
if errorlevel 1 echo Joining "x.053" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.054" "x"
if errorlevel 1 echo Joining "x.054" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.055" "x"
if errorlevel 1 echo Joining "x.055" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.056" "x"
if errorlevel 1 echo Joining "x.056" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.057" "x"
if errorlevel 1 echo Joining "x.057" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.058" "x"
if errorlevel 1 echo Joining "x.058" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.059" "x"
if errorlevel 1 echo Joining "x.059" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.060" "x"
if errorlevel 1 echo Joining "x.060" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.061" "x"
if errorlevel 1 echo Joining "x.061" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.062" "x"
if errorlevel 1 echo Joining "x.062" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.063" "x"
if errorlevel 1 echo Joining "x.063" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.064" "x"
if errorlevel 1 echo Joining "x.064" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.065" "x"
if errorlevel 1 echo Joining "x.065" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.066" "x"
if errorlevel 1 echo Joining "x.066" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.067" "x"
if errorlevel 1 echo Joining "x.067" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.068" "x"
if errorlevel 1 echo Joining "x.068" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.069" "x"
if errorlevel 1 echo Joining "x.069" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.070" "x"
if errorlevel 1 echo Joining "x.070" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.071" "x"
if errorlevel 1 echo Joining "x.071" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.072" "x"
if errorlevel 1 echo Joining "x.072" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.073" "x"
if errorlevel 1 echo Joining "x.073" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.074" "x"
if errorlevel 1 echo Joining "x.074" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.075" "x"
if errorlevel 1 echo Joining "x.075" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.076" "x"
if errorlevel 1 echo Joining "x.076" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.077" "x"
if errorlevel 1 echo Joining "x.077" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.078" "x"
if errorlevel 1 echo Joining "x.078" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.079" "x"
if errorlevel 1 echo Joining "x.079" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.080" "x"
if errorlevel 1 echo Joining "x.080" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.081" "x"
if errorlevel 1 echo Joining "x.081" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.082" "x"
if errorlevel 1 echo Joining "x.082" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.083" "x"
if errorlevel 1 echo Joining "x.083" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.084" "x"
if errorlevel 1 echo Joining "x.084" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.085" "x"
if errorlevel 1 echo Joining "x.085" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.086" "x"
if errorlevel 1 echo Joining "x.086" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.087" "x"
if errorlevel 1 echo Joining "x.087" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.088" "x"
if errorlevel 1 echo Joining "x.088" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.089" "x"
if errorlevel 1 echo Joining "x.089" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.090" "x"
if errorlevel 1 echo Joining "x.090" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.091" "x"
if errorlevel 1 echo Joining "x.091" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.092" "x"
if errorlevel 1 echo Joining "x.092" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.093" "x"
if errorlevel 1 echo Joining "x.093" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.094" "x"
if errorlevel 1 echo Joining "x.094" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.095" "x"
if errorlevel 1 echo Joining "x.095" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.096" "x"
if errorlevel 1 echo Joining "x.096" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.097" "x"
if errorlevel 1 echo Joining "x.097" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.098" "x"
if errorlevel 1 echo Joining "x.098" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.099" "x"
if errorlevel 1 echo Joining "x.099" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.100" "x"
if errorlevel 1 echo Joining "x.100" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.101" "x"
if errorlevel 1 echo Joining "x.101" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.102" "x"
if errorlevel 1 echo Joining "x.102" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.103" "x"
if errorlevel 1 echo Joining "x.103" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.104" "x"
if errorlevel 1 echo Joining "x.104" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.105" "x"
if errorlevel 1 echo Joining "x.105" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.106" "x"
if errorlevel 1 echo Joining "x.106" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.107" "x"
if errorlevel 1 echo Joining "x.107" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.108" "x"
if errorlevel 1 echo Joining "x.108" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.109" "x"
if errorlevel 1 echo Joining "x.109" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.110" "x"
if errorlevel 1 echo Joining "x.110" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.111" "x"
if errorlevel 1 echo Joining "x.111" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.112" "x"
if errorlevel 1 echo Joining "x.112" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.113" "x"
if errorlevel 1 echo Joining "x.113" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.114" "x"
if errorlevel 1 echo Joining "x.114" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.115" "x"
if errorlevel 1 echo Joining "x.115" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.116" "x"
if errorlevel 1 echo Joining "x.116" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.117" "x"
if errorlevel 1 echo Joining "x.117" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.118" "x"
if errorlevel 1 echo Joining "x.118" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.119" "x"
if errorlevel 1 echo Joining "x.119" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.120" "x"
if errorlevel 1 echo Joining "x.120" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.121" "x"
if errorlevel 1 echo Joining "x.121" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.122" "x"
if errorlevel 1 echo Joining "x.122" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.123" "x"
if errorlevel 1 echo Joining "x.123" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.124" "x"
if errorlevel 1 echo Joining "x.124" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.125" "x"
if errorlevel 1 echo Joining "x.125" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.126" "x"
if errorlevel 1 echo Joining "x.126" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.127" "x"
if errorlevel 1 echo Joining "x.127" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.128" "x"
if errorlevel 1 echo Joining "x.128" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.129" "x"
if errorlevel 1 echo Joining "x.129" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.130" "x"
if errorlevel 1 echo Joining "x.130" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.131" "x"
if errorlevel 1 echo Joining "x.131" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.132" "x"
if errorlevel 1 echo Joining "x.132" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.133" "x"
if errorlevel 1 echo Joining "x.133" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.134" "x"
if errorlevel 1 echo Joining "x.134" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.135" "x"
if errorlevel 1 echo Joining "x.135" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.136" "x"
if errorlevel 1 echo Joining "x.136" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.137" "x"
if errorlevel 1 echo Joining "x.137" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.138" "x"
if errorlevel 1 echo Joining "x.138" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.139" "x"
if errorlevel 1 echo Joining "x.139" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.140" "x"
if errorlevel 1 echo Joining "x.140" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.141" "x"
if errorlevel 1 echo Joining "x.141" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.142" "x"
if errorlevel 1 echo Joining "x.142" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.143" "x"
if errorlevel 1 echo Joining "x.143" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.144" "x"
if errorlevel 1 echo Joining "x.144" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.145" "x"
if errorlevel 1 echo Joining "x.145" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.146" "x"
if errorlevel 1 echo Joining "x.146" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.147" "x"
if errorlevel 1 echo Joining "x.147" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.148" "x"
if errorlevel 1 echo Joining "x.148" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.149" "x"
if errorlevel 1 echo Joining "x.149" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.150" "x"
if errorlevel 1 echo Joining "x.150" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.151" "x"
if errorlevel 1 echo Joining "x.151" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.152" "x"
if errorlevel 1 echo Joining "x.152" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.153" "x"
if errorlevel 1 echo Joining "x.153" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.154" "x"
if errorlevel 1 echo Joining "x.154" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.155" "x"
if errorlevel 1 echo Joining "x.155" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.156" "x"
if errorlevel 1 echo Joining "x.156" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.157" "x"
if errorlevel 1 echo Joining "x.157" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.158" "x"
if errorlevel 1 echo Joining "x.158" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.159" "x"
if errorlevel 1 echo Joining "x.159" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.160" "x"
if errorlevel 1 echo Joining "x.160" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.161" "x"
if errorlevel 1 echo Joining "x.161" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.162" "x"
if errorlevel 1 echo Joining "x.162" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.163" "x"
if errorlevel 1 echo Joining "x.163" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.164" "x"
if errorlevel 1 echo Joining "x.164" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.165" "x"
if errorlevel 1 echo Joining "x.165" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.166" "x"
if errorlevel 1 echo Joining "x.166" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.167" "x"
if errorlevel 1 echo Joining "x.167" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.168" "x"
if errorlevel 1 echo Joining "x.168" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.169" "x"
if errorlevel 1 echo Joining "x.169" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.170" "x"
if errorlevel 1 echo Joining "x.170" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.171" "x"
if errorlevel 1 echo Joining "x.171" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.172" "x"
if errorlevel 1 echo Joining "x.172" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.173" "x"
if errorlevel 1 echo Joining "x.173" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.174" "x"
if errorlevel 1 echo Joining "x.174" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.175" "x"
if errorlevel 1 echo Joining "x.175" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.176" "x"
if errorlevel 1 echo Joining "x.176" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.177" "x"
if errorlevel 1 echo Joining "x.177" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.178" "x"
if errorlevel 1 echo Joining "x.178" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.179" "x"
if errorlevel 1 echo Joining "x.179" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.180" "x"
if errorlevel 1 echo Joining "x.180" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.181" "x"
if errorlevel 1 echo Joining "x.181" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.182" "x"
if errorlevel 1 echo Joining "x.182" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.183" "x"
if errorlevel 1 echo Joining "x.183" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.184" "x"
if errorlevel 1 echo Joining "x.184" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.185" "x"
if errorlevel 1 echo Joining "x.185" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.186" "x"
if errorlevel 1 echo Joining "x.186" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.187" "x"
if errorlevel 1 echo Joining "x.187" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.188" "x"
if errorlevel 1 echo Joining "x.188" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.189" "x"
if errorlevel 1 echo Joining "x.189" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.190" "x"
if errorlevel 1 echo Joining "x.190" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.191" "x"
if errorlevel 1 echo Joining "x.191" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.192" "x"
if errorlevel 1 echo Joining "x.192" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.193" "x"
if errorlevel 1 echo Joining "x.193" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.194" "x"
if errorlevel 1 echo Joining "x.194" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.195" "x"
if errorlevel 1 echo Joining "x.195" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.196" "x"
if errorlevel 1 echo Joining "x.196" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.197" "x"
if errorlevel 1 echo Joining "x.197" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.198" "x"
if errorlevel 1 echo Joining "x.198" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.199" "x"
if errorlevel 1 echo Joining "x.199" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.200" "x"
if errorlevel 1 echo Joining "x.200" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.201" "x"
if errorlevel 1 echo Joining "x.201" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.202" "x"
if errorlevel 1 echo Joining "x.202" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.203" "x"
if errorlevel 1 echo Joining "x.203" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.204" "x"
if errorlevel 1 echo Joining "x.204" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.205" "x"
if errorlevel 1 echo Joining "x.205" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.206" "x"
if errorlevel 1 echo Joining "x.206" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.207" "x"
if errorlevel 1 echo Joining "x.207" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.208" "x"
if errorlevel 1 echo Joining "x.208" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.209" "x"
if errorlevel 1 echo Joining "x.209" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.210" "x"
if errorlevel 1 echo Joining "x.210" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.211" "x"
if errorlevel 1 echo Joining "x.211" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.212" "x"
if errorlevel 1 echo Joining "x.212" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.213" "x"
if errorlevel 1 echo Joining "x.213" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.214" "x"
if errorlevel 1 echo Joining "x.214" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.215" "x"
if errorlevel 1 echo Joining "x.215" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.216" "x"
if errorlevel 1 echo Joining "x.216" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.217" "x"
if errorlevel 1 echo Joining "x.217" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.218" "x"
if errorlevel 1 echo Joining "x.218" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.219" "x"
if errorlevel 1 echo Joining "x.219" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.220" "x"
if errorlevel 1 echo Joining "x.220" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.221" "x"
if errorlevel 1 echo Joining "x.221" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.222" "x"
if errorlevel 1 echo Joining "x.222" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.223" "x"
if errorlevel 1 echo Joining "x.223" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.224" "x"
if errorlevel 1 echo Joining "x.224" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.225" "x"
if errorlevel 1 echo Joining "x.225" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.226" "x"
if errorlevel 1 echo Joining "x.226" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.227" "x"
if errorlevel 1 echo Joining "x.227" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.228" "x"
if errorlevel 1 echo Joining "x.228" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.229" "x"
if errorlevel 1 echo Joining "x.229" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.230" "x"
if errorlevel 1 echo Joining "x.230" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.231" "x"
if errorlevel 1 echo Joining "x.231" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.232" "x"
if errorlevel 1 echo Joining "x.232" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.233" "x"
if errorlevel 1 echo Joining "x.233" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.234" "x"
if errorlevel 1 echo Joining "x.234" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.235" "x"
if errorlevel 1 echo Joining "x.235" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.236" "x"
if errorlevel 1 echo Joining "x.236" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.237" "x"
if errorlevel 1 echo Joining "x.237" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.238" "x"
if errorlevel 1 echo Joining "x.238" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.239" "x"
if errorlevel 1 echo Joining "x.239" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.240" "x"
if errorlevel 1 echo Joining "x.240" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.241" "x"
if errorlevel 1 echo Joining "x.241" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.242" "x"
if errorlevel 1 echo Joining "x.242" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.243" "x"
if errorlevel 1 echo Joining "x.243" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.244" "x"
if errorlevel 1 echo Joining "x.244" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.245" "x"
if errorlevel 1 echo Joining "x.245" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.246" "x"
if errorlevel 1 echo Joining "x.246" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.247" "x"
if errorlevel 1 echo Joining "x.247" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.248" "x"
if errorlevel 1 echo Joining "x.248" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.249" "x"
if errorlevel 1 echo Joining "x.249" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.250" "x"
if errorlevel 1 echo Joining "x.250" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.251" "x"
if errorlevel 1 echo Joining "x.251" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.252" "x"
if errorlevel 1 echo Joining "x.252" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.253" "x"
if errorlevel 1 echo Joining "x.253" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.254" "x"
if errorlevel 1 echo Joining "x.254" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.255" "x"
if errorlevel 1 echo Joining "x.255" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.256" "x"
if errorlevel 1 echo Joining "x.256" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.257" "x"
if errorlevel 1 echo Joining "x.257" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.258" "x"
if errorlevel 1 echo Joining "x.258" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.259" "x"
if errorlevel 1 echo Joining "x.259" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.260" "x"
if errorlevel 1 echo Joining "x.260" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.261" "x"
if errorlevel 1 echo Joining "x.261" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.262" "x"
if errorlevel 1 echo Joining "x.262" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.263" "x"
if errorlevel 1 echo Joining "x.263" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.264" "x"
if errorlevel 1 echo Joining "x.264" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.265" "x"
if errorlevel 1 echo Joining "x.265" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.266" "x"
if errorlevel 1 echo Joining "x.266" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.267" "x"
if errorlevel 1 echo Joining "x.267" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.268" "x"
if errorlevel 1 echo Joining "x.268" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.269" "x"
if errorlevel 1 echo Joining "x.269" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.270" "x"
if errorlevel 1 echo Joining "x.270" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.271" "x"
if errorlevel 1 echo Joining "x.271" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.272" "x"
if errorlevel 1 echo Joining "x.272" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.273" "x"
if errorlevel 1 echo Joining "x.273" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.274" "x"
if errorlevel 1 echo Joining "x.274" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.275" "x"
if errorlevel 1 echo Joining "x.275" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.276" "x"
if errorlevel 1 echo Joining "x.276" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.277" "x"
if errorlevel 1 echo Joining "x.277" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.278" "x"
if errorlevel 1 echo Joining "x.278" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.279" "x"
if errorlevel 1 echo Joining "x.279" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.280" "x"
if errorlevel 1 echo Joining "x.280" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.281" "x"
if errorlevel 1 echo Joining "x.281" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.282" "x"
if errorlevel 1 echo Joining "x.282" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.283" "x"
if errorlevel 1 echo Joining "x.283" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.284" "x"
if errorlevel 1 echo Joining "x.284" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.285" "x"
if errorlevel 1 echo Joining "x.285" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.286" "x"
if errorlevel 1 echo Joining "x.286" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.287" "x"
if errorlevel 1 echo Joining "x.287" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.288" "x"
if errorlevel 1 echo Joining "x.288" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.289" "x"
if errorlevel 1 echo Joining "x.289" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.290" "x"
if errorlevel 1 echo Joining "x.290" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.291" "x"
if errorlevel 1 echo Joining "x.291" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.292" "x"
if errorlevel 1 echo Joining "x.292" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.293" "x"
if errorlevel 1 echo Joining "x.293" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.294" "x"
if errorlevel 1 echo Joining "x.294" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.295" "x"
if errorlevel 1 echo Joining "x.295" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.296" "x"
if errorlevel 1 echo Joining "x.296" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.297" "x"
if errorlevel 1 echo Joining "x.297" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.298" "x"
if errorlevel 1 echo Joining "x.298" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.299" "x"
if errorlevel 1 echo Joining "x.299" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.300" "x"
if errorlevel 1 echo Joining "x.300" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.301" "x"
if errorlevel 1 echo Joining "x.301" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.302" "x"
if errorlevel 1 echo Joining "x.302" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.303" "x"
if errorlevel 1 echo Joining "x.303" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.304" "x"
if errorlevel 1 echo Joining "x.304" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.305" "x"
if errorlevel 1 echo Joining "x.305" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.306" "x"
if errorlevel 1 echo Joining "x.306" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.307" "x"
if errorlevel 1 echo Joining "x.307" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.308" "x"
if errorlevel 1 echo Joining "x.308" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.309" "x"
if errorlevel 1 echo Joining "x.309" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.310" "x"
if errorlevel 1 echo Joining "x.310" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.311" "x"
if errorlevel 1 echo Joining "x.311" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.312" "x"
if errorlevel 1 echo Joining "x.312" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.313" "x"
if errorlevel 1 echo Joining "x.313" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.314" "x"
if errorlevel 1 echo Joining "x.314" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.315" "x"
if errorlevel 1 echo Joining "x.315" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.316" "x"
if errorlevel 1 echo Joining "x.316" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.317" "x"
if errorlevel 1 echo Joining "x.317" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.318" "x"
if errorlevel 1 echo Joining "x.318" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.319" "x"
if errorlevel 1 echo Joining "x.319" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.320" "x"
if errorlevel 1 echo Joining "x.320" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.321" "x"
if errorlevel 1 echo Joining "x.321" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.322" "x"
if errorlevel 1 echo Joining "x.322" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.323" "x"
if errorlevel 1 echo Joining "x.323" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.324" "x"
if errorlevel 1 echo Joining "x.324" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.325" "x"
if errorlevel 1 echo Joining "x.325" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.326" "x"
if errorlevel 1 echo Joining "x.326" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.327" "x"
if errorlevel 1 echo Joining "x.327" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.328" "x"
if errorlevel 1 echo Joining "x.328" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.329" "x"
if errorlevel 1 echo Joining "x.329" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.330" "x"
if errorlevel 1 echo Joining "x.330" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.331" "x"
if errorlevel 1 echo Joining "x.331" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.332" "x"
if errorlevel 1 echo Joining "x.332" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.333" "x"
if errorlevel 1 echo Joining "x.333" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.334" "x"
if errorlevel 1 echo Joining "x.334" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.335" "x"
if errorlevel 1 echo Joining "x.335" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.336" "x"
if errorlevel 1 echo Joining "x.336" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.337" "x"
if errorlevel 1 echo Joining "x.337" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.338" "x"
if errorlevel 1 echo Joining "x.338" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.339" "x"
if errorlevel 1 echo Joining "x.339" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.340" "x"
if errorlevel 1 echo Joining "x.340" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.341" "x"
if errorlevel 1 echo Joining "x.341" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.342" "x"
if errorlevel 1 echo Joining "x.342" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.343" "x"
if errorlevel 1 echo Joining "x.343" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.344" "x"
if errorlevel 1 echo Joining "x.344" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.345" "x"
if errorlevel 1 echo Joining "x.345" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.346" "x"
if errorlevel 1 echo Joining "x.346" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.347" "x"
if errorlevel 1 echo Joining "x.347" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.348" "x"
if errorlevel 1 echo Joining "x.348" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.349" "x"
if errorlevel 1 echo Joining "x.349" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.350" "x"
if errorlevel 1 echo Joining "x.350" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.351" "x"
if errorlevel 1 echo Joining "x.351" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.352" "x"
if errorlevel 1 echo Joining "x.352" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.353" "x"
if errorlevel 1 echo Joining "x.353" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.354" "x"
if errorlevel 1 echo Joining "x.354" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.355" "x"
if errorlevel 1 echo Joining "x.355" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.356" "x"
if errorlevel 1 echo Joining "x.356" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.357" "x"
if errorlevel 1 echo Joining "x.357" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.358" "x"
if errorlevel 1 echo Joining "x.358" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.359" "x"
if errorlevel 1 echo Joining "x.359" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.360" "x"
if errorlevel 1 echo Joining "x.360" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.361" "x"
if errorlevel 1 echo Joining "x.361" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.362" "x"
if errorlevel 1 echo Joining "x.362" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.363" "x"
if errorlevel 1 echo Joining "x.363" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.364" "x"
if errorlevel 1 echo Joining "x.364" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.365" "x"
if errorlevel 1 echo Joining "x.365" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.366" "x"
if errorlevel 1 echo Joining "x.366" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.367" "x"
if errorlevel 1 echo Joining "x.367" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.368" "x"
if errorlevel 1 echo Joining "x.368" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.369" "x"
if errorlevel 1 echo Joining "x.369" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.370" "x"
if errorlevel 1 echo Joining "x.370" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.371" "x"
if errorlevel 1 echo Joining "x.371" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.372" "x"
if errorlevel 1 echo Joining "x.372" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.373" "x"
if errorlevel 1 echo Joining "x.373" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.374" "x"
if errorlevel 1 echo Joining "x.374" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.375" "x"
if errorlevel 1 echo Joining "x.375" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.376" "x"
if errorlevel 1 echo Joining "x.376" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.377" "x"
if errorlevel 1 echo Joining "x.377" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.378" "x"
if errorlevel 1 echo Joining "x.378" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.379" "x"
if errorlevel 1 echo Joining "x.379" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.380" "x"
if errorlevel 1 echo Joining "x.380" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.381" "x"
if errorlevel 1 echo Joining "x.381" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.382" "x"
if errorlevel 1 echo Joining "x.382" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.383" "x"
if errorlevel 1 echo Joining "x.383" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.384" "x"
if errorlevel 1 echo Joining "x.384" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.385" "x"
if errorlevel 1 echo Joining "x.385" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.386" "x"
if errorlevel 1 echo Joining "x.386" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.387" "x"
if errorlevel 1 echo Joining "x.387" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.388" "x"
if errorlevel 1 echo Joining "x.388" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.389" "x"
if errorlevel 1 echo Joining "x.389" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.390" "x"
if errorlevel 1 echo Joining "x.390" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.391" "x"
if errorlevel 1 echo Joining "x.391" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.392" "x"
if errorlevel 1 echo Joining "x.392" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.393" "x"
if errorlevel 1 echo Joining "x.393" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.394" "x"
if errorlevel 1 echo Joining "x.394" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.395" "x"
if errorlevel 1 echo Joining "x.395" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.396" "x"
if errorlevel 1 echo Joining "x.396" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.397" "x"
if errorlevel 1 echo Joining "x.397" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.398" "x"
if errorlevel 1 echo Joining "x.398" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.399" "x"
if errorlevel 1 echo Joining "x.399" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.400" "x"
if errorlevel 1 echo Joining "x.400" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.401" "x"
if errorlevel 1 echo Joining "x.401" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.402" "x"
if errorlevel 1 echo Joining "x.402" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.403" "x"
if errorlevel 1 echo Joining "x.403" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.404" "x"
if errorlevel 1 echo Joining "x.404" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.405" "x"
if errorlevel 1 echo Joining "x.405" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.406" "x"
if errorlevel 1 echo Joining "x.406" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.407" "x"
if errorlevel 1 echo Joining "x.407" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.408" "x"
if errorlevel 1 echo Joining "x.408" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.409" "x"
if errorlevel 1 echo Joining "x.409" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.410" "x"
if errorlevel 1 echo Joining "x.410" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.411" "x"
if errorlevel 1 echo Joining "x.411" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.412" "x"
if errorlevel 1 echo Joining "x.412" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.413" "x"
if errorlevel 1 echo Joining "x.413" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.414" "x"
if errorlevel 1 echo Joining "x.414" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.415" "x"
if errorlevel 1 echo Joining "x.415" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.416" "x"
if errorlevel 1 echo Joining "x.416" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.417" "x"
if errorlevel 1 echo Joining "x.417" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.418" "x"
if errorlevel 1 echo Joining "x.418" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.419" "x"
if errorlevel 1 echo Joining "x.419" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.420" "x"
if errorlevel 1 echo Joining "x.420" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.421" "x"
if errorlevel 1 echo Joining "x.421" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.422" "x"
if errorlevel 1 echo Joining "x.422" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.423" "x"
if errorlevel 1 echo Joining "x.423" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.424" "x"
if errorlevel 1 echo Joining "x.424" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.425" "x"
if errorlevel 1 echo Joining "x.425" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.426" "x"
if errorlevel 1 echo Joining "x.426" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.427" "x"
if errorlevel 1 echo Joining "x.427" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.428" "x"
if errorlevel 1 echo Joining "x.428" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.429" "x"
if errorlevel 1 echo Joining "x.429" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.430" "x"
if errorlevel 1 echo Joining "x.430" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.431" "x"
if errorlevel 1 echo Joining "x.431" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.432" "x"
if errorlevel 1 echo Joining "x.432" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.433" "x"
if errorlevel 1 echo Joining "x.433" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.434" "x"
if errorlevel 1 echo Joining "x.434" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.435" "x"
if errorlevel 1 echo Joining "x.435" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.436" "x"
if errorlevel 1 echo Joining "x.436" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.437" "x"
if errorlevel 1 echo Joining "x.437" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.438" "x"
if errorlevel 1 echo Joining "x.438" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.439" "x"
if errorlevel 1 echo Joining "x.439" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.440" "x"
if errorlevel 1 echo Joining "x.440" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.441" "x"
if errorlevel 1 echo Joining "x.441" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.442" "x"
if errorlevel 1 echo Joining "x.442" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.443" "x"
if errorlevel 1 echo Joining "x.443" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.444" "x"
if errorlevel 1 echo Joining "x.444" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.445" "x"
if errorlevel 1 echo Joining "x.445" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.446" "x"
if errorlevel 1 echo Joining "x.446" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.447" "x"
if errorlevel 1 echo Joining "x.447" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.448" "x"
if errorlevel 1 echo Joining "x.448" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.449" "x"
if errorlevel 1 echo Joining "x.449" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.450" "x"
if errorlevel 1 echo Joining "x.450" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.451" "x"
if errorlevel 1 echo Joining "x.451" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.452" "x"
if errorlevel 1 echo Joining "x.452" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.453" "x"
if errorlevel 1 echo Joining "x.453" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.454" "x"
if errorlevel 1 echo Joining "x.454" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.455" "x"
if errorlevel 1 echo Joining "x.455" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.456" "x"
if errorlevel 1 echo Joining "x.456" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.457" "x"
if errorlevel 1 echo Joining "x.457" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.458" "x"
if errorlevel 1 echo Joining "x.458" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.459" "x"
if errorlevel 1 echo Joining "x.459" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.460" "x"
if errorlevel 1 echo Joining "x.460" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.461" "x"
if errorlevel 1 echo Joining "x.461" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.462" "x"
if errorlevel 1 echo Joining "x.462" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.463" "x"
if errorlevel 1 echo Joining "x.463" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.464" "x"
if errorlevel 1 echo Joining "x.464" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.465" "x"
if errorlevel 1 echo Joining "x.465" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.466" "x"
if errorlevel 1 echo Joining "x.466" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.467" "x"
if errorlevel 1 echo Joining "x.467" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.468" "x"
if errorlevel 1 echo Joining "x.468" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.469" "x"
if errorlevel 1 echo Joining "x.469" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.470" "x"
if errorlevel 1 echo Joining "x.470" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.471" "x"
if errorlevel 1 echo Joining "x.471" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.472" "x"
if errorlevel 1 echo Joining "x.472" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.473" "x"
if errorlevel 1 echo Joining "x.473" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.474" "x"
if errorlevel 1 echo Joining "x.474" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.475" "x"
if errorlevel 1 echo Joining "x.475" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.476" "x"
if errorlevel 1 echo Joining "x.476" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.477" "x"
if errorlevel 1 echo Joining "x.477" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.478" "x"
if errorlevel 1 echo Joining "x.478" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.479" "x"
if errorlevel 1 echo Joining "x.479" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.480" "x"
if errorlevel 1 echo Joining "x.480" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.481" "x"
if errorlevel 1 echo Joining "x.481" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.482" "x"
if errorlevel 1 echo Joining "x.482" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.483" "x"
if errorlevel 1 echo Joining "x.483" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.484" "x"
if errorlevel 1 echo Joining "x.484" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.485" "x"
if errorlevel 1 echo Joining "x.485" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.486" "x"
if errorlevel 1 echo Joining "x.486" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.487" "x"
if errorlevel 1 echo Joining "x.487" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.488" "x"
if errorlevel 1 echo Joining "x.488" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.489" "x"
if errorlevel 1 echo Joining "x.489" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.490" "x"
if errorlevel 1 echo Joining "x.490" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.491" "x"
if errorlevel 1 echo Joining "x.491" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.492" "x"
if errorlevel 1 echo Joining "x.492" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.493" "x"
if errorlevel 1 echo Joining "x.493" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.494" "x"
if errorlevel 1 echo Joining "x.494" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.495" "x"
if errorlevel 1 echo Joining "x.495" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.496" "x"
if errorlevel 1 echo Joining "x.496" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.497" "x"
if errorlevel 1 echo Joining "x.497" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.498" "x"
if errorlevel 1 echo Joining "x.498" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.499" "x"
if errorlevel 1 echo Joining "x.499" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.500" "x"
if errorlevel 1 echo Joining "x.500" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.501" "x"
if errorlevel 1 echo Joining "x.501" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.502" "x"
if errorlevel 1 echo Joining "x.502" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.503" "x"
if errorlevel 1 echo Joining "x.503" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.504" "x"
if errorlevel 1 echo Joining "x.504" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.505" "x"
if errorlevel 1 echo Joining "x.505" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.506" "x"
if errorlevel 1 echo Joining "x.506" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.507" "x"
if errorlevel 1 echo Joining "x.507" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.508" "x"
if errorlevel 1 echo Joining "x.508" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.509" "x"
if errorlevel 1 echo Joining "x.509" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.510" "x"
if errorlevel 1 echo Joining "x.510" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.511" "x"
if errorlevel 1 echo Joining "x.511" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.512" "x"
if errorlevel 1 echo Joining "x.512" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.513" "x"
if errorlevel 1 echo Joining "x.513" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.514" "x"
if errorlevel 1 echo Joining "x.514" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.515" "x"
if errorlevel 1 echo Joining "x.515" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.516" "x"
if errorlevel 1 echo Joining "x.516" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.517" "x"
if errorlevel 1 echo Joining "x.517" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.518" "x"
if errorlevel 1 echo Joining "x.518" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.519" "x"
if errorlevel 1 echo Joining "x.519" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.520" "x"
if errorlevel 1 echo Joining "x.520" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.521" "x"
if errorlevel 1 echo Joining "x.521" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.522" "x"
if errorlevel 1 echo Joining "x.522" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.523" "x"
if errorlevel 1 echo Joining "x.523" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.524" "x"
if errorlevel 1 echo Joining "x.524" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.525" "x"
if errorlevel 1 echo Joining "x.525" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.526" "x"
if errorlevel 1 echo Joining "x.526" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.527" "x"
if errorlevel 1 echo Joining "x.527" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.528" "x"
if errorlevel 1 echo Joining "x.528" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.529" "x"
if errorlevel 1 echo Joining "x.529" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.530" "x"
if errorlevel 1 echo Joining "x.530" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.531" "x"
if errorlevel 1 echo Joining "x.531" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.532" "x"
if errorlevel 1 echo Joining "x.532" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.533" "x"
if errorlevel 1 echo Joining "x.533" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.534" "x"
if errorlevel 1 echo Joining "x.534" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.535" "x"
if errorlevel 1 echo Joining "x.535" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.536" "x"
if errorlevel 1 echo Joining "x.536" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.537" "x"
if errorlevel 1 echo Joining "x.537" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.538" "x"
if errorlevel 1 echo Joining "x.538" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.539" "x"
if errorlevel 1 echo Joining "x.539" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.540" "x"
if errorlevel 1 echo Joining "x.540" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.541" "x"
if errorlevel 1 echo Joining "x.541" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.542" "x"
if errorlevel 1 echo Joining "x.542" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.543" "x"
if errorlevel 1 echo Joining "x.543" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.544" "x"
if errorlevel 1 echo Joining "x.544" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.545" "x"
if errorlevel 1 echo Joining "x.545" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.546" "x"
if errorlevel 1 echo Joining "x.546" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.547" "x"
if errorlevel 1 echo Joining "x.547" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.548" "x"
if errorlevel 1 echo Joining "x.548" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.549" "x"
if errorlevel 1 echo Joining "x.549" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.550" "x"
if errorlevel 1 echo Joining "x.550" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.551" "x"
if errorlevel 1 echo Joining "x.551" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.552" "x"
if errorlevel 1 echo Joining "x.552" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.553" "x"
if errorlevel 1 echo Joining "x.553" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.554" "x"
if errorlevel 1 echo Joining "x.554" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.555" "x"
if errorlevel 1 echo Joining "x.555" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.556" "x"
if errorlevel 1 echo Joining "x.556" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.557" "x"
if errorlevel 1 echo Joining "x.557" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.558" "x"
if errorlevel 1 echo Joining "x.558" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.559" "x"
if errorlevel 1 echo Joining "x.559" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.560" "x"
if errorlevel 1 echo Joining "x.560" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.561" "x"
if errorlevel 1 echo Joining "x.561" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.562" "x"
if errorlevel 1 echo Joining "x.562" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.563" "x"
if errorlevel 1 echo Joining "x.563" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.564" "x"
if errorlevel 1 echo Joining "x.564" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.565" "x"
if errorlevel 1 echo Joining "x.565" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.566" "x"
if errorlevel 1 echo Joining "x.566" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.567" "x"
if errorlevel 1 echo Joining "x.567" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.568" "x"
if errorlevel 1 echo Joining "x.568" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.569" "x"
if errorlevel 1 echo Joining "x.569" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.570" "x"
if errorlevel 1 echo Joining "x.570" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.571" "x"
if errorlevel 1 echo Joining "x.571" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.572" "x"
if errorlevel 1 echo Joining "x.572" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.573" "x"
if errorlevel 1 echo Joining "x.573" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.574" "x"
if errorlevel 1 echo Joining "x.574" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.575" "x"
if errorlevel 1 echo Joining "x.575" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.576" "x"
if errorlevel 1 echo Joining "x.576" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.577" "x"
if errorlevel 1 echo Joining "x.577" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.578" "x"
if errorlevel 1 echo Joining "x.578" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.579" "x"
if errorlevel 1 echo Joining "x.579" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.580" "x"
if errorlevel 1 echo Joining "x.580" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.581" "x"
if errorlevel 1 echo Joining "x.581" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.582" "x"
if errorlevel 1 echo Joining "x.582" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.583" "x"
if errorlevel 1 echo Joining "x.583" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.584" "x"
if errorlevel 1 echo Joining "x.584" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.585" "x"
if errorlevel 1 echo Joining "x.585" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.586" "x"
if errorlevel 1 echo Joining "x.586" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.587" "x"
if errorlevel 1 echo Joining "x.587" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.588" "x"
if errorlevel 1 echo Joining "x.588" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.589" "x"
if errorlevel 1 echo Joining "x.589" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.590" "x"
if errorlevel 1 echo Joining "x.590" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.591" "x"
if errorlevel 1 echo Joining "x.591" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.592" "x"
if errorlevel 1 echo Joining "x.592" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.593" "x"
if errorlevel 1 echo Joining "x.593" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.594" "x"
if errorlevel 1 echo Joining "x.594" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.595" "x"
if errorlevel 1 echo Joining "x.595" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.596" "x"
if errorlevel 1 echo Joining "x.596" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.597" "x"
if errorlevel 1 echo Joining "x.597" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.598" "x"
if errorlevel 1 echo Joining "x.598" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.599" "x"
if errorlevel 1 echo Joining "x.599" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.600" "x"
if errorlevel 1 echo Joining "x.600" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.601" "x"
if errorlevel 1 echo Joining "x.601" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.602" "x"
if errorlevel 1 echo Joining "x.602" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.603" "x"
if errorlevel 1 echo Joining "x.603" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.604" "x"
if errorlevel 1 echo Joining "x.604" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.605" "x"
if errorlevel 1 echo Joining "x.605" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.606" "x"
if errorlevel 1 echo Joining "x.606" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.607" "x"
if errorlevel 1 echo Joining "x.607" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.608" "x"
if errorlevel 1 echo Joining "x.608" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.609" "x"
if errorlevel 1 echo Joining "x.609" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.610" "x"
if errorlevel 1 echo Joining "x.610" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.611" "x"
if errorlevel 1 echo Joining "x.611" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.612" "x"
if errorlevel 1 echo Joining "x.612" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.613" "x"
if errorlevel 1 echo Joining "x.613" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.614" "x"
if errorlevel 1 echo Joining "x.614" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.615" "x"
if errorlevel 1 echo Joining "x.615" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.616" "x"
if errorlevel 1 echo Joining "x.616" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.617" "x"
if errorlevel 1 echo Joining "x.617" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.618" "x"
if errorlevel 1 echo Joining "x.618" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.619" "x"
if errorlevel 1 echo Joining "x.619" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.620" "x"
if errorlevel 1 echo Joining "x.620" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.621" "x"
if errorlevel 1 echo Joining "x.621" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.622" "x"
if errorlevel 1 echo Joining "x.622" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.623" "x"
if errorlevel 1 echo Joining "x.623" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.624" "x"
if errorlevel 1 echo Joining "x.624" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.625" "x"
if errorlevel 1 echo Joining "x.625" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.626" "x"
if errorlevel 1 echo Joining "x.626" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.627" "x"
if errorlevel 1 echo Joining "x.627" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.628" "x"
if errorlevel 1 echo Joining "x.628" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.629" "x"
if errorlevel 1 echo Joining "x.629" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.630" "x"
if errorlevel 1 echo Joining "x.630" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.631" "x"
if errorlevel 1 echo Joining "x.631" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.632" "x"
if errorlevel 1 echo Joining "x.632" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.633" "x"
if errorlevel 1 echo Joining "x.633" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.634" "x"
if errorlevel 1 echo Joining "x.634" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.635" "x"
if errorlevel 1 echo Joining "x.635" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.636" "x"
if errorlevel 1 echo Joining "x.636" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.637" "x"
if errorlevel 1 echo Joining "x.637" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.638" "x"
if errorlevel 1 echo Joining "x.638" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.639" "x"
if errorlevel 1 echo Joining "x.639" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.640" "x"
if errorlevel 1 echo Joining "x.640" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.641" "x"
if errorlevel 1 echo Joining "x.641" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.642" "x"
if errorlevel 1 echo Joining "x.642" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.643" "x"
if errorlevel 1 echo Joining "x.643" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.644" "x"
if errorlevel 1 echo Joining "x.644" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.645" "x"
if errorlevel 1 echo Joining "x.645" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.646" "x"
if errorlevel 1 echo Joining "x.646" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.647" "x"
if errorlevel 1 echo Joining "x.647" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.648" "x"
if errorlevel 1 echo Joining "x.648" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.649" "x"
if errorlevel 1 echo Joining "x.649" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.650" "x"
if errorlevel 1 echo Joining "x.650" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.651" "x"
if errorlevel 1 echo Joining "x.651" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.652" "x"
if errorlevel 1 echo Joining "x.652" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.653" "x"
if errorlevel 1 echo Joining "x.653" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.654" "x"
if errorlevel 1 echo Joining "x.654" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.655" "x"
if errorlevel 1 echo Joining "x.655" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.656" "x"
if errorlevel 1 echo Joining "x.656" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.657" "x"
if errorlevel 1 echo Joining "x.657" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.658" "x"
if errorlevel 1 echo Joining "x.658" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.659" "x"
if errorlevel 1 echo Joining "x.659" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.660" "x"
if errorlevel 1 echo Joining "x.660" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.661" "x"
if errorlevel 1 echo Joining "x.661" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.662" "x"
if errorlevel 1 echo Joining "x.662" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.663" "x"
if errorlevel 1 echo Joining "x.663" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.664" "x"
if errorlevel 1 echo Joining "x.664" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.665" "x"
if errorlevel 1 echo Joining "x.665" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.666" "x"
if errorlevel 1 echo Joining "x.666" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.667" "x"
if errorlevel 1 echo Joining "x.667" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.668" "x"
if errorlevel 1 echo Joining "x.668" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.669" "x"
if errorlevel 1 echo Joining "x.669" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.670" "x"
if errorlevel 1 echo Joining "x.670" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.671" "x"
if errorlevel 1 echo Joining "x.671" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.672" "x"
if errorlevel 1 echo Joining "x.672" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.673" "x"
if errorlevel 1 echo Joining "x.673" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.674" "x"
if errorlevel 1 echo Joining "x.674" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.675" "x"
if errorlevel 1 echo Joining "x.675" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.676" "x"
if errorlevel 1 echo Joining "x.676" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.677" "x"
if errorlevel 1 echo Joining "x.677" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.678" "x"
if errorlevel 1 echo Joining "x.678" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.679" "x"
if errorlevel 1 echo Joining "x.679" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.680" "x"
if errorlevel 1 echo Joining "x.680" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.681" "x"
if errorlevel 1 echo Joining "x.681" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.682" "x"
if errorlevel 1 echo Joining "x.682" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.683" "x"
if errorlevel 1 echo Joining "x.683" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.684" "x"
if errorlevel 1 echo Joining "x.684" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.685" "x"
if errorlevel 1 echo Joining "x.685" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.686" "x"
if errorlevel 1 echo Joining "x.686" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.687" "x"
if errorlevel 1 echo Joining "x.687" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.688" "x"
if errorlevel 1 echo Joining "x.688" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.689" "x"
if errorlevel 1 echo Joining "x.689" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.690" "x"
if errorlevel 1 echo Joining "x.690" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.691" "x"
if errorlevel 1 echo Joining "x.691" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.692" "x"
if errorlevel 1 echo Joining "x.692" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.693" "x"
if errorlevel 1 echo Joining "x.693" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.694" "x"
if errorlevel 1 echo Joining "x.694" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.695" "x"
if errorlevel 1 echo Joining "x.695" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.696" "x"
if errorlevel 1 echo Joining "x.696" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.697" "x"
if errorlevel 1 echo Joining "x.697" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.698" "x"
if errorlevel 1 echo Joining "x.698" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.699" "x"
if errorlevel 1 echo Joining "x.699" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.700" "x"
if errorlevel 1 echo Joining "x.700" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.701" "x"
if errorlevel 1 echo Joining "x.701" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.702" "x"
if errorlevel 1 echo Joining "x.702" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.703" "x"
if errorlevel 1 echo Joining "x.703" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.704" "x"
if errorlevel 1 echo Joining "x.704" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.705" "x"
if errorlevel 1 echo Joining "x.705" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.706" "x"
if errorlevel 1 echo Joining "x.706" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.707" "x"
if errorlevel 1 echo Joining "x.707" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.708" "x"
if errorlevel 1 echo Joining "x.708" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.709" "x"
if errorlevel 1 echo Joining "x.709" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.710" "x"
if errorlevel 1 echo Joining "x.710" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.711" "x"
if errorlevel 1 echo Joining "x.711" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.712" "x"
if errorlevel 1 echo Joining "x.712" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.713" "x"
if errorlevel 1 echo Joining "x.713" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.714" "x"
if errorlevel 1 echo Joining "x.714" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.715" "x"
if errorlevel 1 echo Joining "x.715" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.716" "x"
if errorlevel 1 echo Joining "x.716" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.717" "x"
if errorlevel 1 echo Joining "x.717" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.718" "x"
if errorlevel 1 echo Joining "x.718" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.719" "x"
if errorlevel 1 echo Joining "x.719" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.720" "x"
if errorlevel 1 echo Joining "x.720" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.721" "x"
if errorlevel 1 echo Joining "x.721" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.722" "x"
if errorlevel 1 echo Joining "x.722" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.723" "x"
if errorlevel 1 echo Joining "x.723" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.724" "x"
if errorlevel 1 echo Joining "x.724" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.725" "x"
if errorlevel 1 echo Joining "x.725" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.726" "x"
if errorlevel 1 echo Joining "x.726" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.727" "x"
if errorlevel 1 echo Joining "x.727" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.728" "x"
if errorlevel 1 echo Joining "x.728" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.729" "x"
if errorlevel 1 echo Joining "x.729" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.730" "x"
if errorlevel 1 echo Joining "x.730" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.731" "x"
if errorlevel 1 echo Joining "x.731" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.732" "x"
if errorlevel 1 echo Joining "x.732" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.733" "x"
if errorlevel 1 echo Joining "x.733" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.734" "x"
if errorlevel 1 echo Joining "x.734" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.735" "x"
if errorlevel 1 echo Joining "x.735" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.736" "x"
if errorlevel 1 echo Joining "x.736" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.737" "x"
if errorlevel 1 echo Joining "x.737" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.738" "x"
if errorlevel 1 echo Joining "x.738" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.739" "x"
if errorlevel 1 echo Joining "x.739" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.740" "x"
if errorlevel 1 echo Joining "x.740" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.741" "x"
if errorlevel 1 echo Joining "x.741" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.742" "x"
if errorlevel 1 echo Joining "x.742" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.743" "x"
if errorlevel 1 echo Joining "x.743" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.744" "x"
if errorlevel 1 echo Joining "x.744" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.745" "x"
if errorlevel 1 echo Joining "x.745" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.746" "x"
if errorlevel 1 echo Joining "x.746" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.747" "x"
if errorlevel 1 echo Joining "x.747" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.748" "x"
if errorlevel 1 echo Joining "x.748" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.749" "x"
if errorlevel 1 echo Joining "x.749" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.750" "x"
if errorlevel 1 echo Joining "x.750" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.751" "x"
if errorlevel 1 echo Joining "x.751" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.752" "x"
if errorlevel 1 echo Joining "x.752" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.753" "x"
if errorlevel 1 echo Joining "x.753" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.754" "x"
if errorlevel 1 echo Joining "x.754" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.755" "x"
if errorlevel 1 echo Joining "x.755" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.756" "x"
if errorlevel 1 echo Joining "x.756" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.757" "x"
if errorlevel 1 echo Joining "x.757" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.758" "x"
if errorlevel 1 echo Joining "x.758" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.759" "x"
if errorlevel 1 echo Joining "x.759" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.760" "x"
if errorlevel 1 echo Joining "x.760" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.761" "x"
if errorlevel 1 echo Joining "x.761" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.762" "x"
if errorlevel 1 echo Joining "x.762" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.763" "x"
if errorlevel 1 echo Joining "x.763" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.764" "x"
if errorlevel 1 echo Joining "x.764" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.765" "x"
if errorlevel 1 echo Joining "x.765" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.766" "x"
if errorlevel 1 echo Joining "x.766" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.767" "x"
if errorlevel 1 echo Joining "x.767" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.768" "x"
if errorlevel 1 echo Joining "x.768" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.769" "x"
if errorlevel 1 echo Joining "x.769" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.770" "x"
if errorlevel 1 echo Joining "x.770" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.771" "x"
if errorlevel 1 echo Joining "x.771" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.772" "x"
if errorlevel 1 echo Joining "x.772" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.773" "x"
if errorlevel 1 echo Joining "x.773" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.774" "x"
if errorlevel 1 echo Joining "x.774" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.775" "x"
if errorlevel 1 echo Joining "x.775" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.776" "x"
if errorlevel 1 echo Joining "x.776" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.777" "x"
if errorlevel 1 echo Joining "x.777" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.778" "x"
if errorlevel 1 echo Joining "x.778" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.779" "x"
if errorlevel 1 echo Joining "x.779" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.780" "x"
if errorlevel 1 echo Joining "x.780" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.781" "x"
if errorlevel 1 echo Joining "x.781" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.782" "x"
if errorlevel 1 echo Joining "x.782" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.783" "x"
if errorlevel 1 echo Joining "x.783" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.784" "x"
if errorlevel 1 echo Joining "x.784" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.785" "x"
if errorlevel 1 echo Joining "x.785" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.786" "x"
if errorlevel 1 echo Joining "x.786" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.787" "x"
if errorlevel 1 echo Joining "x.787" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.788" "x"
if errorlevel 1 echo Joining "x.788" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.789" "x"
if errorlevel 1 echo Joining "x.789" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.790" "x"
if errorlevel 1 echo Joining "x.790" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.791" "x"
if errorlevel 1 echo Joining "x.791" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.792" "x"
if errorlevel 1 echo Joining "x.792" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.793" "x"
if errorlevel 1 echo Joining "x.793" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.794" "x"
if errorlevel 1 echo Joining "x.794" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.795" "x"
if errorlevel 1 echo Joining "x.795" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.796" "x"
if errorlevel 1 echo Joining "x.796" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.797" "x"
if errorlevel 1 echo Joining "x.797" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.798" "x"
if errorlevel 1 echo Joining "x.798" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.799" "x"
if errorlevel 1 echo Joining "x.799" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.800" "x"
if errorlevel 1 echo Joining "x.800" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.801" "x"
if errorlevel 1 echo Joining "x.801" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.802" "x"
if errorlevel 1 echo Joining "x.802" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.803" "x"
if errorlevel 1 echo Joining "x.803" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.804" "x"
if errorlevel 1 echo Joining "x.804" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.805" "x"
if errorlevel 1 echo Joining "x.805" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.806" "x"
if errorlevel 1 echo Joining "x.806" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.807" "x"
if errorlevel 1 echo Joining "x.807" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.808" "x"
if errorlevel 1 echo Joining "x.808" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.809" "x"
if errorlevel 1 echo Joining "x.809" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.810" "x"
if errorlevel 1 echo Joining "x.810" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.811" "x"
if errorlevel 1 echo Joining "x.811" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.812" "x"
if errorlevel 1 echo Joining "x.812" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.813" "x"
if errorlevel 1 echo Joining "x.813" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.814" "x"
if errorlevel 1 echo Joining "x.814" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.815" "x"
if errorlevel 1 echo Joining "x.815" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.816" "x"
if errorlevel 1 echo Joining "x.816" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.817" "x"
if errorlevel 1 echo Joining "x.817" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.818" "x"
if errorlevel 1 echo Joining "x.818" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.819" "x"
if errorlevel 1 echo Joining "x.819" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.820" "x"
if errorlevel 1 echo Joining "x.820" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.821" "x"
if errorlevel 1 echo Joining "x.821" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.822" "x"
if errorlevel 1 echo Joining "x.822" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.823" "x"
if errorlevel 1 echo Joining "x.823" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.824" "x"
if errorlevel 1 echo Joining "x.824" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.825" "x"
if errorlevel 1 echo Joining "x.825" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.826" "x"
if errorlevel 1 echo Joining "x.826" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.827" "x"
if errorlevel 1 echo Joining "x.827" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.828" "x"
if errorlevel 1 echo Joining "x.828" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.829" "x"
if errorlevel 1 echo Joining "x.829" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.830" "x"
if errorlevel 1 echo Joining "x.830" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.831" "x"
if errorlevel 1 echo Joining "x.831" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.832" "x"
if errorlevel 1 echo Joining "x.832" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.833" "x"
if errorlevel 1 echo Joining "x.833" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.834" "x"
if errorlevel 1 echo Joining "x.834" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.835" "x"
if errorlevel 1 echo Joining "x.835" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.836" "x"
if errorlevel 1 echo Joining "x.836" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.837" "x"
if errorlevel 1 echo Joining "x.837" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.838" "x"
if errorlevel 1 echo Joining "x.838" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.839" "x"
if errorlevel 1 echo Joining "x.839" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.840" "x"
if errorlevel 1 echo Joining "x.840" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.841" "x"
if errorlevel 1 echo Joining "x.841" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.842" "x"
if errorlevel 1 echo Joining "x.842" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.843" "x"
if errorlevel 1 echo Joining "x.843" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.844" "x"
if errorlevel 1 echo Joining "x.844" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.845" "x"
if errorlevel 1 echo Joining "x.845" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.846" "x"
if errorlevel 1 echo Joining "x.846" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.847" "x"
if errorlevel 1 echo Joining "x.847" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.848" "x"
if errorlevel 1 echo Joining "x.848" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.849" "x"
if errorlevel 1 echo Joining "x.849" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.850" "x"
if errorlevel 1 echo Joining "x.850" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.851" "x"
if errorlevel 1 echo Joining "x.851" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.852" "x"
if errorlevel 1 echo Joining "x.852" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.853" "x"
if errorlevel 1 echo Joining "x.853" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.854" "x"
if errorlevel 1 echo Joining "x.854" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.855" "x"
if errorlevel 1 echo Joining "x.855" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.856" "x"
if errorlevel 1 echo Joining "x.856" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.857" "x"
if errorlevel 1 echo Joining "x.857" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.858" "x"
if errorlevel 1 echo Joining "x.858" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.859" "x"
if errorlevel 1 echo Joining "x.859" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.860" "x"
if errorlevel 1 echo Joining "x.860" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.861" "x"
if errorlevel 1 echo Joining "x.861" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.862" "x"
if errorlevel 1 echo Joining "x.862" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.863" "x"
if errorlevel 1 echo Joining "x.863" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.864" "x"
if errorlevel 1 echo Joining "x.864" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.865" "x"
if errorlevel 1 echo Joining "x.865" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.866" "x"
if errorlevel 1 echo Joining "x.866" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.867" "x"
if errorlevel 1 echo Joining "x.867" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.868" "x"
if errorlevel 1 echo Joining "x.868" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.869" "x"
if errorlevel 1 echo Joining "x.869" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.870" "x"
if errorlevel 1 echo Joining "x.870" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.871" "x"
if errorlevel 1 echo Joining "x.871" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.872" "x"
if errorlevel 1 echo Joining "x.872" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.873" "x"
if errorlevel 1 echo Joining "x.873" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.874" "x"
if errorlevel 1 echo Joining "x.874" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.875" "x"
if errorlevel 1 echo Joining "x.875" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.876" "x"
if errorlevel 1 echo Joining "x.876" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.877" "x"
if errorlevel 1 echo Joining "x.877" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.878" "x"
if errorlevel 1 echo Joining "x.878" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.879" "x"
if errorlevel 1 echo Joining "x.879" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.880" "x"
if errorlevel 1 echo Joining "x.880" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.881" "x"
if errorlevel 1 echo Joining "x.881" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.882" "x"
if errorlevel 1 echo Joining "x.882" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.883" "x"
if errorlevel 1 echo Joining "x.883" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.884" "x"
if errorlevel 1 echo Joining "x.884" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.885" "x"
if errorlevel 1 echo Joining "x.885" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.886" "x"
if errorlevel 1 echo Joining "x.886" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.887" "x"
if errorlevel 1 echo Joining "x.887" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.888" "x"
if errorlevel 1 echo Joining "x.888" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.889" "x"
if errorlevel 1 echo Joining "x.889" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.890" "x"
if errorlevel 1 echo Joining "x.890" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.891" "x"
if errorlevel 1 echo Joining "x.891" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.892" "x"
if errorlevel 1 echo Joining "x.892" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.893" "x"
if errorlevel 1 echo Joining "x.893" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.894" "x"
if errorlevel 1 echo Joining "x.894" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.895" "x"
if errorlevel 1 echo Joining "x.895" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.896" "x"
if errorlevel 1 echo Joining "x.896" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.897" "x"
if errorlevel 1 echo Joining "x.897" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.898" "x"
if errorlevel 1 echo Joining "x.898" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.899" "x"
if errorlevel 1 echo Joining "x.899" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.900" "x"
if errorlevel 1 echo Joining "x.900" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.901" "x"
if errorlevel 1 echo Joining "x.901" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.902" "x"
if errorlevel 1 echo Joining "x.902" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.903" "x"
if errorlevel 1 echo Joining "x.903" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.904" "x"
if errorlevel 1 echo Joining "x.904" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.905" "x"
if errorlevel 1 echo Joining "x.905" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.906" "x"
if errorlevel 1 echo Joining "x.906" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.907" "x"
if errorlevel 1 echo Joining "x.907" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.908" "x"
if errorlevel 1 echo Joining "x.908" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.909" "x"
if errorlevel 1 echo Joining "x.909" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.910" "x"
if errorlevel 1 echo Joining "x.910" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.911" "x"
if errorlevel 1 echo Joining "x.911" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.912" "x"
if errorlevel 1 echo Joining "x.912" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.913" "x"
if errorlevel 1 echo Joining "x.913" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.914" "x"
if errorlevel 1 echo Joining "x.914" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.915" "x"
if errorlevel 1 echo Joining "x.915" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.916" "x"
if errorlevel 1 echo Joining "x.916" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.917" "x"
if errorlevel 1 echo Joining "x.917" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.918" "x"
if errorlevel 1 echo Joining "x.918" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.919" "x"
if errorlevel 1 echo Joining "x.919" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.920" "x"
if errorlevel 1 echo Joining "x.920" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.921" "x"
if errorlevel 1 echo Joining "x.921" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.922" "x"
if errorlevel 1 echo Joining "x.922" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.923" "x"
if errorlevel 1 echo Joining "x.923" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.924" "x"
if errorlevel 1 echo Joining "x.924" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.925" "x"
if errorlevel 1 echo Joining "x.925" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.926" "x"
if errorlevel 1 echo Joining "x.926" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.927" "x"
if errorlevel 1 echo Joining "x.927" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.928" "x"
if errorlevel 1 echo Joining "x.928" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.929" "x"
if errorlevel 1 echo Joining "x.929" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.930" "x"
if errorlevel 1 echo Joining "x.930" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.931" "x"
if errorlevel 1 echo Joining "x.931" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.932" "x"
if errorlevel 1 echo Joining "x.932" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.933" "x"
if errorlevel 1 echo Joining "x.933" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.934" "x"
if errorlevel 1 echo Joining "x.934" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.935" "x"
if errorlevel 1 echo Joining "x.935" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.936" "x"
if errorlevel 1 echo Joining "x.936" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.937" "x"
if errorlevel 1 echo Joining "x.937" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.938" "x"
if errorlevel 1 echo Joining "x.938" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.939" "x"
if errorlevel 1 echo Joining "x.939" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.940" "x"
if errorlevel 1 echo Joining "x.940" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.941" "x"
if errorlevel 1 echo Joining "x.941" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.942" "x"
if errorlevel 1 echo Joining "x.942" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.943" "x"
if errorlevel 1 echo Joining "x.943" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.944" "x"
if errorlevel 1 echo Joining "x.944" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.945" "x"
if errorlevel 1 echo Joining "x.945" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.946" "x"
if errorlevel 1 echo Joining "x.946" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.947" "x"
if errorlevel 1 echo Joining "x.947" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.948" "x"
if errorlevel 1 echo Joining "x.948" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.949" "x"
if errorlevel 1 echo Joining "x.949" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.950" "x"
if errorlevel 1 echo Joining "x.950" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.951" "x"
if errorlevel 1 echo Joining "x.951" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.952" "x"
if errorlevel 1 echo Joining "x.952" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.953" "x"
if errorlevel 1 echo Joining "x.953" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.954" "x"
if errorlevel 1 echo Joining "x.954" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.955" "x"
if errorlevel 1 echo Joining "x.955" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.956" "x"
if errorlevel 1 echo Joining "x.956" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.957" "x"
if errorlevel 1 echo Joining "x.957" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.958" "x"
if errorlevel 1 echo Joining "x.958" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.959" "x"
if errorlevel 1 echo Joining "x.959" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.960" "x"
if errorlevel 1 echo Joining "x.960" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.961" "x"
if errorlevel 1 echo Joining "x.961" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.962" "x"
if errorlevel 1 echo Joining "x.962" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.963" "x"
if errorlevel 1 echo Joining "x.963" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.964" "x"
if errorlevel 1 echo Joining "x.964" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.965" "x"
if errorlevel 1 echo Joining "x.965" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.966" "x"
if errorlevel 1 echo Joining "x.966" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.967" "x"
if errorlevel 1 echo Joining "x.967" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.968" "x"
if errorlevel 1 echo Joining "x.968" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.969" "x"
if errorlevel 1 echo Joining "x.969" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.970" "x"
if errorlevel 1 echo Joining "x.970" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.971" "x"
if errorlevel 1 echo Joining "x.971" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.972" "x"
if errorlevel 1 echo Joining "x.972" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.973" "x"
if errorlevel 1 echo Joining "x.973" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.974" "x"
if errorlevel 1 echo Joining "x.974" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.975" "x"
if errorlevel 1 echo Joining "x.975" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.976" "x"
if errorlevel 1 echo Joining "x.976" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.977" "x"
if errorlevel 1 echo Joining "x.977" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.978" "x"
if errorlevel 1 echo Joining "x.978" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.979" "x"
if errorlevel 1 echo Joining "x.979" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.980" "x"
if errorlevel 1 echo Joining "x.980" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.981" "x"
if errorlevel 1 echo Joining "x.981" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.982" "x"
if errorlevel 1 echo Joining "x.982" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.983" "x"
if errorlevel 1 echo Joining "x.983" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.984" "x"
if errorlevel 1 echo Joining "x.984" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.985" "x"
if errorlevel 1 echo Joining "x.985" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.986" "x"
if errorlevel 1 echo Joining "x.986" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.987" "x"
if errorlevel 1 echo Joining "x.987" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.988" "x"
if errorlevel 1 echo Joining "x.988" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.989" "x"
if errorlevel 1 echo Joining "x.989" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.990" "x"
if errorlevel 1 echo Joining "x.990" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.991" "x"
if errorlevel 1 echo Joining "x.991" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.992" "x"
if errorlevel 1 echo Joining "x.992" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.993" "x"
if errorlevel 1 echo Joining "x.993" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.994" "x"
if errorlevel 1 echo Joining "x.994" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.995" "x"
if errorlevel 1 echo Joining "x.995" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.996" "x"
if errorlevel 1 echo Joining "x.996" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.997" "x"
if errorlevel 1 echo Joining "x.997" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.998" "x"
if errorlevel 1 echo Joining "x.998" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.999" "x"
if errorlevel 1 echo Joining "x.999" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.1000" "x"
if errorlevel 1 echo Joining "x.1000" failed.
if errorlevel 1 goto failed
copy /b "x"+"x.1001" "x"
if errorlevel 1 echo Joining "x.1001" failed.
if errorlevel 1 goto failed
del "x.001"
del "x.002"
del "x.003"
del "x.004"
del "x.005"
del "x.006"
del "x.007"
del "x.008"
del "x.009"
del "x.010"
del "x.011"
del "x.012"
del "x.013"
del "x.014"
del "x.015"
del "x.016"
del "x.017"
del "x.018"
del "x.019"
del "x.020"
del "x.021"
del "x.022"
del "x.023"
del "x.024"
del "x.025"
del "x.026"
del "x.027"
del "x.028"
del "x.029"
del "x.030"
del "x.031"
del "x.032"
del "x.033"
del "x.034"
del "x.035"
del "x.036"
del "x.037"
del "x.038"
del "x.039"
del "x.040"
del "x.041"
del "x.042"
del "x.043"
del "x.044"
del "x.045"
del "x.046"
del "x.047"
del "x.048"
del "x.049"
del "x.050"
del "x.051"
del "x.052"
del "x.053"
del "x.054"
del "x.055"
del "x.056"
del "x.057"
del "x.058"
del "x.059"
del "x.060"
del "x.061"
del "x.062"
del "x.063"
del "x.064"
del "x.065"
del "x.066"
del "x.067"
del "x.068"
del "x.069"
del "x.070"
del "x.071"
del "x.072"
del "x.073"
del "x.074"
del "x.075"
del "x.076"
del "x.077"
del "x.078"
del "x.079"
del "x.080"
del "x.081"
del "x.082"
del "x.083"
del "x.084"
del "x.085"
del "x.086"
del "x.087"
del "x.088"
del "x.089"
del "x.090"
del "x.091"
del "x.092"
del "x.093"
del "x.094"
del "x.095"
del "x.096"
del "x.097"
del "x.098"
del "x.099"
del "x.100"
del "x.101"
del "x.102"
del "x.103"
del "x.104"
del "x.105"
del "x.106"
del "x.107"
del "x.108"
del "x.109"
del "x.110"
del "x.111"
del "x.112"
del "x.113"
del "x.114"
del "x.115"
del "x.116"
del "x.117"
del "x.118"
del "x.119"
del "x.120"
del "x.121"
del "x.122"
del "x.123"
del "x.124"
del "x.125"
del "x.126"
del "x.127"
del "x.128"
del "x.129"
del "x.130"
del "x.131"
del "x.132"
del "x.133"
del "x.134"
del "x.135"
del "x.136"
del "x.137"
del "x.138"
del "x.139"
del "x.140"
del "x.141"
del "x.142"
del "x.143"
del "x.144"
del "x.145"
del "x.146"
del "x.147"
del "x.148"
del "x.149"
del "x.150"
del "x.151"
del "x.152"
del "x.153"
del "x.154"
del "x.155"
del "x.156"
del "x.157"
del "x.158"
del "x.159"
del "x.160"
del "x.161"
del "x.162"
del "x.163"
del "x.164"
del "x.165"
del "x.166"
del "x.167"
del "x.168"
del "x.169"
del "x.170"
del "x.171"
del "x.172"
del "x.173"
del "x.174"
del "x.175"
del "x.176"
del "x.177"
del "x.178"
del "x.179"
del "x.180"
del "x.181"
del "x.182"
del "x.183"
del "x.184"
del "x.185"
del "x.186"
del "x.187"
del "x.188"
del "x.189"
del "x.190"
del "x.191"
del "x.192"
del "x.193"
del "x.194"
del "x.195"
del "x.196"
del "x.197"
del "x.198"
del "x.199"
del "x.200"
del "x.201"
del "x.202"
del "x.203"
del "x.204"
del "x.205"
del "x.206"
del "x.207"
del "x.208"
del "x.209"
del "x.210"
del "x.211"
del "x.212"
del "x.213"
del "x.214"
del "x.215"
del "x.216"
del "x.217"
del "x.218"
del "x.219"
del "x.220"
del "x.221"
del "x.222"
del "x.223"
del "x.224"
del "x.225"
del "x.226"
del "x.227"
del "x.228"
del "x.229"
del "x.230"
del "x.231"
del "x.232"
del "x.233"
del "x.234"
del "x.235"
del "x.236"
del "x.237"
del "x.238"
del "x.239"
del "x.240"
del "x.241"
del "x.242"
del "x.243"
del "x.244"
del "x.245"
del "x.246"
del "x.247"
del "x.248"
del "x.249"
del "x.250"
del "x.251"
del "x.252"
del "x.253"
del "x.254"
del "x.255"
del "x.256"
del "x.257"
del "x.258"
del "x.259"
del "x.260"
del "x.261"
del "x.262"
del "x.263"
del "x.264"
del "x.265"
del "x.266"
del "x.267"
del "x.268"
del "x.269"
del "x.270"
del "x.271"
del "x.272"
del "x.273"
del "x.274"
del "x.275"
del "x.276"
del "x.277"
del "x.278"
del "x.279"
del "x.280"
del "x.281"
del "x.282"
del "x.283"
del "x.284"
del "x.285"
del "x.286"
del "x.287"
del "x.288"
del "x.289"
del "x.290"
del "x.291"
del "x.292"
del "x.293"
del "x.294"
del "x.295"
del "x.296"
del "x.297"
del "x.298"
del "x.299"
del "x.300"
del "x.301"
del "x.302"
del "x.303"
del "x.304"
del "x.305"
del "x.306"
del "x.307"
del "x.308"
del "x.309"
del "x.310"
del "x.311"
del "x.312"
del "x.313"
del "x.314"
del "x.315"
del "x.316"
del "x.317"
del "x.318"
del "x.319"
del "x.320"
del "x.321"
del "x.322"
del "x.323"
del "x.324"
del "x.325"
del "x.326"
del "x.327"
del "x.328"
del "x.329"
del "x.330"
del "x.331"
del "x.332"
del "x.333"
del "x.334"
del "x.335"
del "x.336"
del "x.337"
del "x.338"
del "x.339"
del "x.340"
del "x.341"
del "x.342"
del "x.343"
del "x.344"
del "x.345"
del "x.346"
del "x.347"
del "x.348"
del "x.349"
del "x.350"
del "x.351"
del "x.352"
del "x.353"
del "x.354"
del "x.355"
del "x.356"
del "x.357"
del "x.358"
del "x.359"
del "x.360"
del "x.361"
del "x.362"
del "x.363"
del "x.364"
del "x.365"
del "x.366"
del "x.367"
del "x.368"
del "x.369"
del "x.370"
del "x.371"
del "x.372"
del "x.373"
del "x.374"
del "x.375"
del "x.376"
del "x.377"
del "x.378"
del "x.379"
del "x.380"
del "x.381"
del "x.382"
del "x.383"
del "x.384"
del "x.385"
del "x.386"
del "x.387"
del "x.388"
del "x.389"
del "x.390"
del "x.391"
del "x.392"
del "x.393"
del "x.394"
del "x.395"
del "x.396"
del "x.397"
del "x.398"
del "x.399"
del "x.400"
del "x.401"
del "x.402"
del "x.403"
del "x.404"
del "x.405"
del "x.406"
del "x.407"
del "x.408"
del "x.409"
del "x.410"
del "x.411"
del "x.412"
del "x.413"
del "x.414"
del "x.415"
del "x.416"
del "x.417"
del "x.418"
del "x.419"
del "x.420"
del "x.421"
del "x.422"
del "x.423"
del "x.424"
del "x.425"
del "x.426"
del "x.427"
del "x.428"
del "x.429"
del "x.430"
del "x.431"
del "x.432"
del "x.433"
del "x.434"
del "x.435"
del "x.436"
del "x.437"
del "x.438"
del "x.439"
del "x.440"
del "x.441"
del "x.442"
del "x.443"
del "x.444"
del "x.445"
del "x.446"
del "x.447"
del "x.448"
del "x.449"
del "x.450"
del "x.451"
del "x.452"
del "x.453"
del "x.454"
del "x.455"
del "x.456"
del "x.457"
del "x.458"
del "x.459"
del "x.460"
del "x.461"
del "x.462"
del "x.463"
del "x.464"
del "x.465"
del "x.466"
del "x.467"
del "x.468"
del "x.469"
del "x.470"
del "x.471"
del "x.472"
del "x.473"
del "x.474"
del "x.475"
del "x.476"
del "x.477"
del "x.478"
del "x.479"
del "x.480"
del "x.481"
del "x.482"
del "x.483"
del "x.484"
del "x.485"
del "x.486"
del "x.487"
del "x.488"
del "x.489"
del "x.490"
del "x.491"
del "x.492"
del "x.493"
del "x.494"
del "x.495"
del "x.496"
del "x.497"
del "x.498"
del "x.499"
del "x.500"
del "x.501"
del "x.502"
del "x.503"
del "x.504"
del "x.505"
del "x.506"
del "x.507"
del "x.508"
del "x.509"
del "x.510"
del "x.511"
del "x.512"
del "x.513"
del "x.514"
del "x.515"
del "x.516"
del "x.517"
del "x.518"
del "x.519"
del "x.520"
del "x.521"
del "x.522"
del "x.523"
del "x.524"
del "x.525"
del "x.526"
del "x.527"
del "x.528"
del "x.529"
del "x.530"
del "x.531"
del "x.532"
del "x.533"
del "x.534"
del "x.535"
del "x.536"
del "x.537"
del "x.538"
del "x.539"
del "x.540"
del "x.541"
del "x.542"
del "x.543"
del "x.544"
del "x.545"
del "x.546"
del "x.547"
del "x.548"
del "x.549"
del "x.550"
del "x.551"
del "x.552"
del "x.553"
del "x.554"
del "x.555"
del "x.556"
del "x.557"
del "x.558"
del "x.559"
del "x.560"
del "x.561"
del "x.562"
del "x.563"
del "x.564"
del "x.565"
del "x.566"
del "x.567"
del "x.568"
del "x.569"
del "x.570"
del "x.571"
del "x.572"
del "x.573"
del "x.574"
del "x.575"
del "x.576"
del "x.577"
del "x.578"
del "x.579"
del "x.580"
del "x.581"
del "x.582"
del "x.583"
del "x.584"
del "x.585"
del "x.586"
del "x.587"
del "x.588"
del "x.589"
del "x.590"
del "x.591"
del "x.592"
del "x.593"
del "x.594"
del "x.595"
del "x.596"
del "x.597"
del "x.598"
del "x.599"
del "x.600"
del "x.601"
del "x.602"
del "x.603"
del "x.604"
del "x.605"
del "x.606"
del "x.607"
del "x.608"
del "x.609"
del "x.610"
del "x.611"
del "x.612"
del "x.613"
del "x.614"
del "x.615"
del "x.616"
del "x.617"
del "x.618"
del "x.619"
del "x.620"
del "x.621"
del "x.622"
del "x.623"
del "x.624"
del "x.625"
del "x.626"
del "x.627"
del "x.628"
del "x.629"
del "x.630"
del "x.631"
del "x.632"
del "x.633"
del "x.634"
del "x.635"
del "x.636"
del "x.637"
del "x.638"
del "x.639"
del "x.640"
del "x.641"
del "x.642"
del "x.643"
del "x.644"
del "x.645"
del "x.646"
del "x.647"
del "x.648"
del "x.649"
del "x.650"
del "x.651"
del "x.652"
del "x.653"
del "x.654"
del "x.655"
del "x.656"
del "x.657"
del "x.658"
del "x.659"
del "x.660"
del "x.661"
del "x.662"
del "x.663"
del "x.664"
del "x.665"
del "x.666"
del "x.667"
del "x.668"
del "x.669"
del "x.670"
del "x.671"
del "x.672"
del "x.673"
del "x.674"
del "x.675"
del "x.676"
del "x.677"
del "x.678"
del "x.679"
del "x.680"
del "x.681"
del "x.682"
del "x.683"
del "x.684"
del "x.685"
del "x.686"
del "x.687"
del "x.688"
del "x.689"
del "x.690"
del "x.691"
del "x.692"
del "x.693"
del "x.694"
del "x.695"
del "x.696"
del "x.697"
del "x.698"
del "x.699"
del "x.700"
del "x.701"
del "x.702"
del "x.703"
del "x.704"
del "x.705"
del "x.706"
del "x.707"
del "x.708"
del "x.709"
del "x.710"
del "x.711"
del "x.712"
del "x.713"
del "x.714"
del "x.715"
del "x.716"
del "x.717"
del "x.718"
del "x.719"
del "x.720"
del "x.721"
del "x.722"
del "x.723"
del "x.724"
del "x.725"
del "x.726"
del "x.727"
del "x.728"
del "x.729"
del "x.730"
del "x.731"
del "x.732"
del "x.733"
del "x.734"
del "x.735"
del "x.736"
del "x.737"
del "x.738"
del "x.739"
del "x.740"
del "x.741"
del "x.742"
del "x.743"
del "x.744"
del "x.745"
del "x.746"
del "x.747"
del "x.748"
del "x.749"
del "x.750"
del "x.751"
del "x.752"
del "x.753"
del "x.754"
del "x.755"
del "x.756"
del "x.757"
del "x.758"
del "x.759"
del "x.760"
del "x.761"
del "x.762"
del "x.763"
del "x.764"
del "x.765"
del "x.766"
del "x.767"
del "x.768"
del "x.769"
del "x.770"
del "x.771"
del "x.772"
del "x.773"
del "x.774"
del "x.775"
del "x.776"
del "x.777"
del "x.778"
del "x.779"
del "x.780"
del "x.781"
del "x.782"
del "x.783"
del "x.784"
del "x.785"
del "x.786"
del "x.787"
del "x.788"
del "x.789"
del "x.790"
del "x.791"
del "x.792"
del "x.793"
del "x.794"
del "x.795"
del "x.796"
del "x.797"
del "x.798"
del "x.799"
del "x.800"
del "x.801"
del "x.802"
del "x.803"
del "x.804"
del "x.805"
del "x.806"
del "x.807"
del "x.808"
del "x.809"
del "x.810"
del "x.811"
del "x.812"
del "x.813"
del "x.814"
del "x.815"
del "x.816"
del "x.817"
del "x.818"
del "x.819"
del "x.820"
del "x.821"
del "x.822"
del "x.823"
del "x.824"
del "x.825"
del "x.826"
del "x.827"
del "x.828"
del "x.829"
del "x.830"
del "x.831"
del "x.832"
del "x.833"
del "x.834"
del "x.835"
del "x.836"
del "x.837"
del "x.838"
del "x.839"
del "x.840"
del "x.841"
del "x.842"
del "x.843"
del "x.844"
del "x.845"
del "x.846"
del "x.847"
del "x.848"
del "x.849"
del "x.850"
del "x.851"
del "x.852"
del "x.853"
del "x.854"
del "x.855"
del "x.856"
del "x.857"
del "x.858"
del "x.859"
del "x.860"
del "x.861"
del "x.862"
del "x.863"
del "x.864"
del "x.865"
del "x.866"
del "x.867"
del "x.868"
del "x.869"
del "x.870"
del "x.871"
del "x.872"
del "x.873"
del "x.874"
del "x.875"
del "x.876"
del "x.877"
del "x.878"
del "x.879"
del "x.880"
del "x.881"
del "x.882"
del "x.883"
del "x.884"
del "x.885"
del "x.886"
del "x.887"
del "x.888"
del "x.889"
del "x.890"
del "x.891"
del "x.892"
del "x.893"
del "x.894"
del "x.895"
del "x.896"
del "x.897"
del "x.898"
del "x.899"
del "x.900"
del "x.901"
del "x.902"
del "x.903"
del "x.904"
del "x.905"
del "x.906"
del "x.907"
del "x.908"
del "x.909"
del "x.910"
del "x.911"
del "x.912"
del "x.913"
del "x.914"
del "x.915"
del "x.916"
del "x.917"
del "x.918"
del "x.919"
del "x.920"
del "x.921"
del "x.922"
del "x.923"
del "x.924"
del "x.925"
del "x.926"
del "x.927"
del "x.928"
del "x.929"
del "x.930"
del "x.931"
del "x.932"
del "x.933"
del "x.934"
del "x.935"
del "x.936"
del "x.937"
del "x.938"
del "x.939"
del "x.940"
del "x.941"
del "x.942"
del "x.943"
del "x.944"
del "x.945"
del "x.946"
del "x.947"
del "x.948"
del "x.949"
del "x.950"
del "x.951"
del "x.952"
del "x.953"
del "x.954"
del "x.955"
del "x.956"
del "x.957"
del "x.958"
del "x.959"
del "x.960"
del "x.961"
del "x.962"
del "x.963"
del "x.964"
del "x.965"
del "x.966"
del "x.967"
del "x.968"
del "x.969"
del "x.970"
del "x.971"
del "x.972"
del "x.973"
del "x.974"
del "x.975"
del "x.976"
del "x.977"
del "x.978"
del "x.979"
del "x.980"
del "x.981"
del "x.982"
del "x.983"
del "x.984"
del "x.985"
del "x.986"
del "x.987"
del "x.988"
del "x.989"
del "x.990"
del "x.991"
del "x.992"
del "x.993"
del "x.994"
del "x.995"
del "x.996"
del "x.997"
del "x.998"
del "x.999"
del "x.1000"
del "x.1001"
echo.
echo Done!
exit /b 0
:missing
echo Nothing was changed.  Please copy every piece into this folder and run this file again.
exit /b 1
:failed
if exist "x" del "x"
echo The joined file was removed and the pieces were kept.  Please mend the cause shown above and run this file again.
exit /b 1
