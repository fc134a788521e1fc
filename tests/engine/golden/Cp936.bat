@echo off
echo Created with Orvane Parvola
echo      https://www.orvane.example/parvola     
echo.
if not exist "数据.001" echo The piece "数据.001" is missing.
if not exist "数据.001" goto missing
copy /b "数据.001" "数据"
if errorlevel 1 echo Joining "数据.001" failed.
if errorlevel 1 goto failed
del "数据.001"
echo.
echo Done!
exit /b 0
:missing
echo Nothing was changed.  Please copy every piece into this folder and run this file again.
exit /b 1
:failed
if exist "数据" del "数据"
echo The joined file was removed and the pieces were kept.  Please mend the cause shown above and run this file again.
exit /b 1
